#include "app/StatusLine.h"

#include "base/CodePage.h"

#include <gtest/gtest.h>

namespace tagler {
namespace {

std::string repeated(const std::string& text, int times)
{
    std::string all;
    for (int i = 0; i < times; ++i)
        all += text;
    return all;
}

TEST(StatusLine, NamesTheTextBookFolderOrTheStartFolder)
{
    const std::string head = "[ 基本設定 1 ]　文字帳フォルダ = ";
    const struct {
        const char* name;
        std::string folder; // UTF-8 here, CP932 as stored
        std::string start;
        std::string expected;
    } cases[] = {
        {"no folder stored: the start folder's name", "", "/home/u/図面", head + "図面"},
        {"trailing separator", "", "/home/u/work/", head + "work"},
        {"stored folder without its leading backslash", "\\sub\\box", "/x", head + "sub\\box"},
        {"cut to 60 bytes, no half character", "\\a" + repeated("あ", 40), "/x", head + "a" + repeated("あ", 29)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(folderStatusLine(sjis("基本設定 1"), sjis(c.folder), c.start).toStdString(), c.expected) << c.name;
}

} // namespace
} // namespace tagler
