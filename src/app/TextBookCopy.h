#pragma once
#include "base/LineFile.h"
#include "store/TextBookPage.h"

namespace tagler {

// 文字帳コピー: the four ways a block goes into the input box, in the order
// of the copy-mode list.
enum class CopyMode { overwrite = 0, insert = 1, append = 2, replaceAll = 3 };

struct CopiedInput {
    Lines lines;   // the input box afterwards (CP932)
    int caretLine; // where the caret stands, at the start of that line
};

// Copies block into the input box whose caret is on caretLine. The caret
// moves to the next line first when there is one; an open block view or an
// empty block leave the text as it was.
CopiedInput copyBlockIntoInput(Lines input, int caretLine, const BlockLines& block, CopyMode mode, bool blockViewOpen);

// The block view's five lines: rule A (on opening, after a page switch)
// marks non-empty lines with ":", rule B (picking a block) every line.
enum class BlockViewRule { markFilled, markAll };
BlockLines blockViewLines(const BlockLines& block, BlockViewRule rule);

} // namespace tagler
