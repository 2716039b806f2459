#include "store/DataFile.h"

#include "base/CodePage.h"
#include "store/DataFileMessages.h"
#include "support/Folder.h"
#include "support/KindRaised.h"
#include "support/RecordingPrompts.h"

#include <QFile>
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

TEST(DataFile, OnlyTextInsideTheDataFolderIsReadOrWritten)
{
    const test::Folder outside;
    const std::string text = "1\t\r\n2\x81\xFF\r\n3\r\n"; // a tab, bytes the code page has no character for
    const struct {
        const char* what;
        std::string bytes;   // of the file, or of the link's target
        const char* link;    // where PJDATA.tx leads, "" for no link
        std::string refusal; // "" when accepted
    } cases[] = {
        {"text", text, "", ""},
        {"a link inside", text, "inside", ""},
        {"a link outside", text, "outside", datafile::linkOutside("PJDATA.tx")},
        {"UTF-16",
         std::string("\xFF\xFE"
                     "1\0\r\0\n\0",
                     8),
         "", datafile::notText("PJDATA.tx")},
        {"binary", "1\r\n\x01\x02\r\n3\r\n", "", datafile::notText("PJDATA.tx")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const test::Folder folder;
        const std::string path = folder.file("PJDATA.tx");
        const std::string link = c.link;
#ifdef _WIN32
        // QFile::link makes a shortcut file there, which the file system does not follow.
        if (!link.empty())
            continue;
#endif
        const std::string real = link.empty() ? path : link == "inside" ? folder.file("real.tx") : outside.file("t.tx");
        QFile f(QString::fromStdString(real));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(c.bytes.data(), qint64(c.bytes.size())));
        f.close();
        ASSERT_TRUE(link.empty() || QFile::link(QString::fromStdString(real), QString::fromStdString(path)));
        test::RecordingPrompts prompts;
        DataFile file(path, threeLines, prompts);
        const bool refused = !c.refusal.empty();
        EXPECT_EQ(file.load({}), refused ? FileState::refused : FileState::accepted);
        // Said once; nothing is written through the link or over the file.
        EXPECT_EQ(file.replaceLines({"a", "b", "c"}), !refused);
        EXPECT_EQ(file.replaceLines({"d", "e", "f"}), !refused);
        EXPECT_EQ(prompts.shown,
                  refused ? std::vector<std::string>{"warning: " + c.refusal} : std::vector<std::string>{});
        EXPECT_EQ(test::fileBytes(real), refused ? c.bytes : "d\r\ne\r\nf\r\n");
    }
}

TEST(DataFile, AFileAnotherWindowChangedIsWrittenOverOnlyWhenTheUserSaysSo)
{
    const Lines read{"1", "2", "3"};
    const Lines mine{"1", "2", "mine"};
    const Lines theirs{"1", "2", "theirs"};
    const std::string asked = "question: " + datafile::changedElsewhere("PSDATA1.tx");
    const struct {
        const char* what;
        bool there;         // the file is there when this window reads it
        const Lines* other; // what the other window writes meanwhile; nullptr: nothing
        const Lines* saved; // what this window saves
        bool answer;
        bool asked;
        const Lines* after; // the file, and the lines held, after the save
    } cases[] = {
        {"nobody else wrote", true, nullptr, &mine, false, false, &mine},
        {"the other wrote the same lines", true, &read, &mine, false, false, &mine},
        {"the other changed it, Yes", true, &theirs, &mine, true, true, &mine},
        {"the other changed it, No", true, &theirs, &mine, false, true, &theirs},
        {"this window changed nothing", true, &theirs, &read, true, false, &theirs},
        {"the other made it, Yes", false, &theirs, &mine, true, true, &mine},
        {"the other made it, No", false, &theirs, &mine, false, true, &theirs},
    };
    for (const auto& c : cases) {
        for (const bool replacing : {false, true}) {
            SCOPED_TRACE(std::string(c.what) + (replacing ? ", replaceLines" : ", save"));
            const test::Folder folder;
            if (c.there)
                folder.write("PSDATA1.tx", read);
            test::RecordingPrompts prompts;
            prompts.answer = c.answer;
            DataFile file(folder.file("PSDATA1.tx"), threeLines, prompts);
            file.load(read);
            if (c.other) {
                test::RecordingPrompts quiet;
                DataFile other(folder.file("PSDATA1.tx"), threeLines, quiet);
                other.load({});
                other.replaceLines(*c.other);
            }
            const bool written = replacing ? file.replaceLines(*c.saved) : (file.lines() = *c.saved, file.save());
            EXPECT_EQ(written, c.after == c.saved);
            EXPECT_EQ(prompts.shown, c.asked ? std::vector<std::string>{asked} : std::vector<std::string>{});
            EXPECT_EQ(folder.read("PSDATA1.tx"), *c.after);
            EXPECT_EQ(file.lines(), *c.after);
            // What is on disk now is this window's own: the next save asks nothing.
            prompts.shown.clear();
            EXPECT_TRUE(file.replaceLines(read));
            EXPECT_TRUE(prompts.shown.empty());
        }
    }
}

} // namespace
} // namespace tagler
