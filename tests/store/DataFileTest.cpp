#include "store/DataFile.h"

#include "base/CodePage.h"
#include "support/Folder.h"
#include "support/KindRaised.h"

#include <gtest/gtest.h>

namespace tagler {
namespace {

bool threeLines(const Lines& lines) { return lines.size() == 3; }

TEST(DataFile, LoadsWhatIsThereAndSavesWholeOrNotAtAll)
{
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
        DataFile file(c.path, threeLines);
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
            DataFile again(c.path, threeLines);
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

} // namespace
} // namespace tagler
