#include "store/DataFile.h"

#include "base/CodePage.h"
#include "store/DataFileMessages.h"
#include "support/Folder.h"
#include "support/KindRaised.h"
#include "support/RecordingPrompts.h"

#include <gtest/gtest.h>

namespace tagler {
namespace {

bool threeLines(const Lines& lines) { return lines.size() == 3; }

TEST(DataFile, LoadsWhatIsThereAndSavesWholeOrNotAtAll)
{
    test::RecordingPrompts prompts;
    const test::Folder folder;
    const Lines standIn{"0", "0", "0"};
    const Lines old{"1", "2", "3"};
    folder.write("refused.tx", {"1", "2"});
    writeLines(folder.file("accepted.tx"), old);

    struct Case {
        std::string what;
        std::string path;
        FileState loaded;
        Lines held;
        bool saves;
    };
    std::vector<Case> cases = {
        {"missing", folder.file("missing.tx"), FileState::missing, standIn, true},
        {"refused", folder.file("refused.tx"), FileState::refused, {"1", "2"}, true},
        {"accepted", folder.file("accepted.tx"), FileState::accepted, old, true},
    };
    for (const test::UnwritableTarget& t : test::unwritableTargets(folder, old))
        cases.push_back({t.what, t.path, t.hasOldFile ? FileState::accepted : FileState::missing,
                         t.hasOldFile ? old : standIn, false});

    const Lines changed{sjis("注釈"), "", "x"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DataFile file(c.path, threeLines, prompts);
        EXPECT_EQ(file.load(standIn), c.loaded);
        EXPECT_EQ(file.lines(), c.held);
        EXPECT_EQ(file.found(), c.loaded != FileState::missing);
        // The rule judges the lines held, so a stand-in passes.
        EXPECT_EQ(file.accepted(), c.loaded != FileState::refused);

        const std::string before = test::fileBytes(c.path);
        file.lines() = changed;
        EXPECT_EQ(test::kindRaisedBy([&] { file.save(); }),
                  c.saves ? std::nullopt : std::optional<ErrorKind>(ErrorKind::InputOutput));
        if (c.saves) {
            EXPECT_EQ(test::fileBytes(c.path), "\x92\x8d\x8e\xdf\r\n\r\nx\r\n"); // CP932, CR LF
            EXPECT_TRUE(file.found());
            DataFile again(c.path, threeLines, prompts);
            EXPECT_EQ(again.load(standIn), FileState::accepted);
            EXPECT_EQ(again.lines(), changed);
        } else {
            EXPECT_EQ(test::fileBytes(c.path), before);
            EXPECT_EQ(file.found(), c.loaded != FileState::missing);
        }

        // Replacing: the file and the held lines change together, or neither does.
        const Lines held = file.lines();
        const std::string written = test::fileBytes(c.path);
        const Lines replaced{"a", "b", "c"};
        EXPECT_EQ(test::kindRaisedBy([&] { file.replaceLines(replaced); }),
                  c.saves ? std::nullopt : std::optional<ErrorKind>(ErrorKind::InputOutput));
        EXPECT_EQ(file.lines(), c.saves ? replaced : held);
        EXPECT_EQ(test::fileBytes(c.path), c.saves ? std::string("a\r\nb\r\nc\r\n") : written);
    }
    test::makeWritableAgain(folder);
}

TEST(DataFile, AnOversizedFileIsReadOnlyToItsBoundAndSaidSo)
{
    const test::Folder folder;
    const std::size_t lineBound = kDataFileBound.lineBytes;
    const std::string longLine = std::string(lineBound - 1, 'x') + sjis("表") + std::string(2 * 1024 * 1024, 'y');
    const struct {
        const char* what;
        Lines file;
        std::size_t firstLineBytes;
        std::size_t lineCount;
        bool cut;
    } cases[] = {
        {"plain", {"1", "2", "3"}, 1, 3, false},
        {"a 2 MB line", {longLine, "2", "3"}, lineBound - 1, 3, true},
        {"more lines than its bound", Lines(kDataFileBound.lineCount + 1, "z"), 1, kDataFileBound.lineCount, true},
        {"more bytes than its bound", Lines(3, std::string(2 * 1024 * 1024, 'w')), lineBound, 2, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::RecordingPrompts prompts;
        folder.write("PJDATA.tx", c.file);
        DataFile file(folder.file("PJDATA.tx"), threeLines, prompts);
        file.load({});
        EXPECT_EQ(file.lines().size(), c.lineCount);
        EXPECT_EQ(file.lines().front().size(), c.firstLineBytes);
        const std::vector<std::string> said =
            c.cut ? std::vector<std::string>{"warning: " + datafile::cut("PJDATA.tx")} : std::vector<std::string>{};
        EXPECT_EQ(prompts.shown, said);
    }
}

} // namespace
} // namespace tagler
