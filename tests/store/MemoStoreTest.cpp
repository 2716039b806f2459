#include "store/MemoStore.h"

#include "base/CodePage.h"
#include "support/Folder.h"
#include "support/KindRaised.h"
#include "support/RecordingPrompts.h"

#include <gtest/gtest.h>

namespace tagler {
namespace {

using test::Folder;

Lines memoLines(std::size_t count)
{
    Lines lines;
    for (std::size_t i = 0; i < count; ++i)
        lines.push_back(i < 10 ? sjis("メモ") + std::to_string(i + 1) : "0");
    return lines;
}

TEST(MemoStore, TheFileAtFirstShow)
{
    test::RecordingPrompts prompts;
    Lines elevenShown = memoLines(11);
    elevenShown[10] = "1";
    Lines twelveHover = memoLines(12);
    twelveHover[11] = "1";
    const struct {
        const char* what;
        std::optional<Lines> file;
        FileState state;
        std::string memo1; // "" when the memos stayed as they were
        bool show, hover;
    } cases[] = {
        {"eleven lines: hover on", elevenShown, FileState::accepted, sjis("メモ1"), true, true},
        {"twelve lines", twelveHover, FileState::accepted, sjis("メモ1"), false, true},
        {"twelve lines, both off", memoLines(12), FileState::accepted, sjis("メモ1"), false, false},
        {"ten lines", memoLines(10), FileState::refused, "", false, true},
        {"thirteen lines", memoLines(13), FileState::refused, "", false, true},
        {"no file", std::nullopt, FileState::missing, sjis("保存右クリックで登録"), true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Folder folder;
        if (c.file)
            folder.write("SENTAKUMEMO.TX", *c.file);
        MemoStore store(folder.path(), prompts);
        EXPECT_EQ(store.loadAtStart(), c.state);
        EXPECT_EQ(store.memos().texts[0], c.memo1);
        EXPECT_EQ(store.memos().showMemos, c.show);
        EXPECT_EQ(store.memos().hoverPreview, c.hover);
        EXPECT_EQ(folder.exists("SENTAKUMEMO.TX"), c.file.has_value()); // loading writes nothing
    }
}

TEST(MemoStore, ANewFileHasTheDefaultMemosAndElevenLines)
{
    test::RecordingPrompts prompts;
    const Folder folder;
    MemoStore store(folder.path(), prompts);
    ASSERT_EQ(store.loadAtStart(), FileState::missing);
    store.writeDefault();
    Lines expected(10, sjis("保存右クリックで登録"));
    expected.push_back("1");
    EXPECT_EQ(folder.read("SENTAKUMEMO.TX"), expected);
}

TEST(MemoStore, ARefusedFileStaysUsable)
{
    test::RecordingPrompts prompts;
    const Folder folder;
    folder.write("SENTAKUMEMO.TX", memoLines(13));
    MemoStore store(folder.path(), prompts);
    ASSERT_EQ(store.loadAtStart(), FileState::refused);

    // Opening the panel takes what the file has; saving mends it.
    ASSERT_TRUE(store.reload());
    EXPECT_EQ(store.memos().texts[9], sjis("メモ10"));
    SlotMemos memos = store.memos();
    memos.texts[2] = sjis("外壁");
    memos.showMemos = true;
    memos.hoverPreview = false;
    store.save(memos);
    Lines expected = memoLines(10);
    expected[2] = sjis("外壁");
    expected.push_back("1");
    expected.push_back("0");
    EXPECT_EQ(folder.read("SENTAKUMEMO.TX"), expected);

    MemoStore again(folder.path(), prompts);
    EXPECT_EQ(again.loadAtStart(), FileState::accepted);
    EXPECT_EQ(again.memos().texts[2], sjis("外壁"));
}

TEST(MemoStore, ReloadingPadsAShortFileWithOnes)
{
    test::RecordingPrompts prompts;
    const Folder folder;
    MemoStore store(folder.path(), prompts);
    EXPECT_FALSE(store.reload());
    folder.write("SENTAKUMEMO.TX", {"a", "b", "c"});
    ASSERT_TRUE(store.reload());
    EXPECT_EQ(store.memos().texts[0], "a");
    EXPECT_EQ(store.memos().texts[3], "1");
    EXPECT_TRUE(store.memos().showMemos);
    EXPECT_TRUE(store.memos().hoverPreview);
}

TEST(MemoStore, AMemoWithALineBreakIsNotWritten)
{
    test::RecordingPrompts prompts;
    const Folder folder;
    folder.write("SENTAKUMEMO.TX", memoLines(12));
    const std::string before = folder.bytes("SENTAKUMEMO.TX");
    MemoStore store(folder.path(), prompts);
    store.loadAtStart();
    SlotMemos memos = store.memos();
    memos.texts[0] = "a\r\nb";
    EXPECT_EQ(test::kindRaisedBy([&] { store.save(memos); }), ErrorKind::Conversion);
    EXPECT_EQ(folder.bytes("SENTAKUMEMO.TX"), before);
    EXPECT_EQ(store.memos().texts[0], sjis("メモ1"));
}

} // namespace
} // namespace tagler
