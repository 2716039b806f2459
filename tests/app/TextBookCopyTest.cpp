#include "app/TextBookCopy.h"

#include <gtest/gtest.h>

namespace tagler {
namespace {

TEST(TextBookCopy, EveryModeAtTheCaret)
{
    const BlockLines three{"b1", "b2", "b3", "", ""};
    const BlockLines five{"b1", "b2", "b3", "b4", "b5"};
    const BlockLines gaps{"b1", "", "", "b4", ""};
    const BlockLines none{};
    const struct {
        const char* what;
        Lines input;
        int caret;
        BlockLines block;
        CopyMode mode;
        bool viewOpen;
        Lines result;
        int caretAfter;
    } cases[] = {
        {"overwrite, caret on the last line",
         {"i1", "i2"},
         1,
         three,
         CopyMode::overwrite,
         false,
         {"i1", "b1", "b2", "b3"},
         1},
        {"overwrite, caret on the first line targets the second",
         {"i1", "i2"},
         0,
         three,
         CopyMode::overwrite,
         false,
         {"i1", "b1", "b2", "b3"},
         1},
        {"overwrite at line 4 keeps two block lines",
         {"i1", "i2", "i3", "i4"},
         2,
         five,
         CopyMode::overwrite,
         false,
         {"i1", "i2", "i3", "b1", "b2"},
         3},
        {"overwrite keeps lines facing an empty block line",
         {"i1", "i2", "i3", "i4", "i5"},
         0,
         gaps,
         CopyMode::overwrite,
         false,
         {"i1", "b1", "i3", "i4", "b4"},
         1},
        {"empty block moves only the caret", {"i1", "i2"}, 0, none, CopyMode::overwrite, false, {"i1", "i2"}, 1},
        {"open block view moves only the caret", {"i1", "i2"}, 0, three, CopyMode::replaceAll, true, {"i1", "i2"}, 1},
        {"insert pushes the rest down and drops the sixth line",
         {"i1", "i2", "i3"},
         0,
         three,
         CopyMode::insert,
         false,
         {"i1", "b1", "b2", "b3", "i2"},
         1},
        {"append joins each line", {"i1", "i2"}, 0, three, CopyMode::append, false, {"i1", "i2b1", "b2", "b3"}, 1},
        {"append is cut to 70 bytes",
         {"", std::string(60, 'a')},
         0,
         BlockLines{std::string(20, 'b')},
         CopyMode::append,
         false,
         {"", std::string(60, 'a') + std::string(10, 'b')},
         1},
        {"replace all keeps inner empty lines",
         {"i1", "i2"},
         1,
         gaps,
         CopyMode::replaceAll,
         false,
         {"b1", "", "", "b4"},
         1},
        {"empty input box", {}, 0, three, CopyMode::overwrite, false, {"b1", "b2", "b3"}, 0},
        {"trailing empty input lines go",
         {"i1", "", "", ""},
         0,
         BlockLines{"b1"},
         CopyMode::overwrite,
         false,
         {"i1", "b1"},
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const CopiedInput out = copyBlockIntoInput(c.input, c.caret, c.block, c.mode, c.viewOpen);
        EXPECT_EQ(out.lines, c.result);
        EXPECT_EQ(out.caretLine, c.caretAfter);
    }
}

TEST(TextBookCopy, BlockViewMarksFilledLinesOnOpeningAndEveryLineOnPicking)
{
    const BlockLines block{"a", "b", "", "d", ""};
    EXPECT_EQ(blockViewLines(block, BlockViewRule::markFilled), (BlockLines{"a:", "b:", "", "d:", ""}));
    EXPECT_EQ(blockViewLines(block, BlockViewRule::markAll), (BlockLines{"a:", "b:", ":", "d:", ":"}));
}

} // namespace
} // namespace tagler
