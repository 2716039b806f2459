#pragma once
#include "settings/QuickSelectSlot.h"
#include "store/DataFile.h"

#include <array>
#include <string>

namespace tagler {

// The memo panel: one memo per slot (CP932), shown as the slot buttons' hints.
struct SlotMemos {
    std::array<std::string, kSlotCount> texts;
    bool showMemos = false;   // 「メモを表示する」
    bool hoverPreview = true; // 「マウスカーソル移動で」
};

// Owns "SENTAKUMEMO.TX".
class MemoStore final {
public:
    MemoStore(const std::string& folder, Prompts& prompts);

    const std::string& path() const { return file_.path(); }
    const SlotMemos& memos() const { return memos_; }

    // First show. A missing file gives the default memos, to be written by
    // writeDefault; a file of other than 11 or 12 lines is refused and the
    // memos stay as they were.
    FileState loadAtStart();
    // The default memos as a new file of 11 lines; an I/O error when that fails.
    void writeDefault();
    // The panel opens: the file as it is now, short lines standing in as "1".
    // False when the file is not there.
    bool reload();
    // 「保存 & 閉じる」: twelve lines. A memo with a line break is a conversion
    // error and nothing is written.
    void save(const SlotMemos& memos);

private:
    void take(const Lines& lines, bool hoverWhenMissing);

    DataFile file_;
    SlotMemos memos_;
};

} // namespace tagler
