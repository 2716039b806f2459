#include "store/TextBookStore.h"

#include "base/CodePage.h"
#include "store/DataFileMessages.h"
#include "store/TextBookMessages.h"
#include "support/Folder.h"
#include "support/RecordingPrompts.h"

#include <QDir>
#include <QFile>
#include <filesystem>
#include <gtest/gtest.h>

namespace tagler {
namespace {

using test::Folder;
using test::RecordingPrompts;

std::string warning(const std::string& text) { return "warning: " + text; }
std::string question(const std::string& text) { return "question: " + text; }

// A page whose block k has first line "block k" and, for odd k, a second line.
Lines samplePage()
{
    Lines page(kPageLineCount);
    for (int k = 0; k < kBlocksPerPage; ++k) {
        page[static_cast<std::size_t>(k) * 5] = "block " + std::to_string(k);
        if (k % 2 == 1)
            page[static_cast<std::size_t>(k) * 5 + 1] = "second";
    }
    return page;
}

Lines titles(int count)
{
    Lines lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back(sjis("ページ") + std::to_string(i));
    return lines;
}

struct Book {
    Folder folder;
    RecordingPrompts prompts;
    TextBookStore store{folder.path(), prompts};
};

TEST(TextBookStore, OpeningAPageShowsItsSummariesOrNothingWithItsMessage)
{
    const struct {
        const char* what;
        std::size_t lines; // 0: no file
        bool answer;
        std::vector<std::string> shown;
        bool held;
        bool fileAfter;
    } cases[] = {
        {"whole page", 180, false, {}, true, true},
        {"179 lines", 179, false, {warning(textbook::pageInvalid(1))}, false, true},
        {"181 lines", 181, false, {warning(textbook::pageInvalid(1))}, false, true},
        {"missing, Yes", 0, true, {question(textbook::pageMissing("PMDATA1.tx"))}, true, true},
        {"missing, No", 0, false, {question(textbook::pageMissing("PMDATA1.tx"))}, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Book b;
        b.folder.write("PJDATA.tx", titles(20));
        Lines page = samplePage();
        page.resize(c.lines);
        if (c.lines)
            b.folder.write("PMDATA1.tx", page);
        const std::string before = b.folder.bytes("PMDATA1.tx");
        b.prompts.answer = c.answer;
        b.store.startUp("", 1);
        EXPECT_EQ(b.prompts.shown, c.shown);
        EXPECT_EQ(b.store.pageHeld(), c.held);
        EXPECT_EQ(b.folder.exists("PMDATA1.tx"), c.fileAfter);
        if (c.lines == 0 && c.answer) {
            EXPECT_EQ(b.folder.read("PMDATA1.tx"), Lines(180));
            EXPECT_EQ(b.store.titles()[0], "");
        }
        if (c.lines == 180) {
            EXPECT_EQ(b.store.summary(0), "   block 0");
            EXPECT_EQ(b.store.summary(35), sjis("▼ ") + "block 35");
        } else {
            EXPECT_EQ(b.store.summary(0), "");
            EXPECT_EQ(b.store.blockLines(0)[0], "");
        }
        // A page the store did not read whole is never written over.
        b.store.editBlock(0, "changed");
        b.store.deleteBlock(3);
        EXPECT_TRUE(b.store.saveCurrentPage());
        if (c.lines && c.lines != 180) {
            EXPECT_EQ(b.folder.bytes("PMDATA1.tx"), before);
        }
        if (c.lines == 0 && !c.answer) {
            EXPECT_FALSE(b.folder.exists("PMDATA1.tx"));
        }
    }
}

TEST(TextBookStore, ARememberedFolderThatIsGoneOrLeadsOutsideFallsBackToTheStartFolder)
{
    const struct {
        const char* stored;
        bool ok;
    } cases[] = {
        {"\\sub", true},          {"\\sub\\deep", true}, {"\\gone", false},      {"\\..", false},
        {"\\sub\\..\\..", false}, {"C:\\sub", false},    {"\\C:\\sub", false},   {"\\\\server\\sub", false},
        {"sub", false},           {"/sub", false},       {"\\sub/../..", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        Book b;
        QDir(QString::fromStdString(b.folder.path())).mkpath("sub/deep");
        b.store.startUp(c.stored, 7);
        EXPECT_EQ(b.store.textBookFolder(), c.ok ? c.stored : "");
        EXPECT_EQ(b.store.currentPage(), c.ok ? 7 : 1);
        EXPECT_EQ(b.prompts.saw(textbook::kFolderMissing), !c.ok);
    }
}

TEST(TextBookStore, ARememberedFolderThatIsALinkCountsByWhereItLeads)
{
    const struct {
        const char* stored;
        const char* link;   // made in the start folder
        const char* target; // "out/…" lies in another folder, the rest in the start folder
        bool ok;
    } cases[] = {
        {"\\link", "link", "out", false},           {"\\link\\deep", "link", "out", false},
        {"\\sub\\up", "sub/up", "out/deep", false}, {"\\dangling", "dangling", "out/gone", false},
        {"\\inner", "inner", "sub", true},          {"\\inner\\deep", "inner", "sub", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        Book b;
        const Folder out;
        QDir(QString::fromStdString(b.folder.path())).mkpath("sub/deep");
        QDir(QString::fromStdString(out.path())).mkpath("deep");
        const std::string target = std::string(c.target).starts_with("out")
                                       ? out.path() + std::string(c.target).substr(3)
                                       : b.folder.file(c.target);
        std::error_code failed;
        std::filesystem::create_directory_symlink(target, b.folder.file(c.link), failed);
        if (failed)
            GTEST_SKIP() << "no symbolic links here: " << failed.message();
        b.store.startUp(c.stored, 1);
        EXPECT_EQ(b.store.textBookFolder(), c.ok ? c.stored : "");
        EXPECT_EQ(b.prompts.saw(textbook::kFolderMissing), !c.ok);
        // 「登録」 and the saves on close never write through the link to the outside.
        b.store.registerBlock(0, {"new"});
        b.store.writeTableOfContents();
        b.store.saveCurrentPage();
        EXPECT_TRUE(QDir(QString::fromStdString(out.path())).entryList(QDir::Files).isEmpty());
        EXPECT_TRUE(QDir(QString::fromStdString(out.file("deep"))).entryList(QDir::Files).isEmpty());
        EXPECT_EQ(b.folder.exists("PMDATA1.tx"), !c.ok);
    }
}

TEST(TextBookStore, HugeTitlesAndPageLinesAreCutAsTheyAreRead)
{
    Book b;
    Lines table = titles(20);
    table[0] = std::string(2 * 1024 * 1024, 'T');
    Lines page = samplePage();
    page[0] = std::string(100 * 1024, 'P');
    b.folder.write("PJDATA.tx", table);
    b.folder.write("PMDATA1.tx", page);
    b.store.startUp("", 1);
    EXPECT_EQ(b.store.titles()[0], std::string(kDataFileBound.lineBytes, 'T'));
    EXPECT_EQ(b.store.titles()[1], table[1]);
    EXPECT_TRUE(b.store.pageHeld());
    EXPECT_EQ(b.store.blockLines(0)[0], std::string(kDataFileBound.lineBytes, 'P'));
    EXPECT_EQ(b.prompts.shown,
              (std::vector<std::string>{warning(datafile::cut("PJDATA.tx")), warning(datafile::cut("PMDATA1.tx"))}));
}

TEST(TextBookStore, TwoWindowsOnOnePageAskBeforeTheLastWriterWins)
{
    for (const bool overwrite : {false, true}) {
        SCOPED_TRACE(overwrite ? "Yes" : "No");
        Book b; // window B opens the page first
        b.folder.write("PJDATA.tx", titles(20));
        b.folder.write("PMDATA1.tx", samplePage());
        b.store.startUp("", 1);
        {
            RecordingPrompts quiet;
            TextBookStore a(b.folder.path(), quiet);
            a.startUp("", 1);
            a.registerBlock(1, {"from A"});
            a.setTitle(0, "title A");
            a.writeTableOfContents();
            a.saveCurrentPage();
            EXPECT_TRUE(quiet.shown.empty());
        }
        b.prompts.answer = overwrite;
        b.store.registerBlock(0, {"from B"});
        EXPECT_EQ(b.prompts.shown, std::vector<std::string>{question(datafile::changedElsewhere("PMDATA1.tx"))});
        const Lines page = b.folder.read("PMDATA1.tx");
        EXPECT_EQ(page[0], overwrite ? "from B" : "block 0");
        EXPECT_EQ(page[5], overwrite ? "block 1" : "from A");
        // What B shows is what the file holds.
        EXPECT_EQ(b.store.blockLines(0)[0], page[0]);
        EXPECT_EQ(b.store.summary(1), overwrite ? sjis("▼ ") + "block 1" : "   from A");

        // B closes: its table is as it read it, so A's title stays without a question,
        // and the page it now holds is the file's.
        b.prompts.shown.clear();
        EXPECT_TRUE(b.store.writeTableOfContents());
        EXPECT_TRUE(b.store.saveCurrentPage());
        EXPECT_TRUE(b.prompts.shown.empty());
        EXPECT_EQ(b.folder.read("PJDATA.tx")[0], "title A");
        EXPECT_EQ(b.store.titles()[0], "title A");
        EXPECT_EQ(b.folder.read("PMDATA1.tx"), page);
    }
}

TEST(TextBookStore, PagesAndTablesWrittenBackAreByteIdentical)
{
    Book b;
    // Lines the program never writes itself: extra table lines, bytes that are no CP932.
    Lines table = titles(20);
    table.push_back("extra line kept");
    table.push_back(sjis("目次の後ろ"));
    Lines page = samplePage();
    page[12] = std::string("\x81\xFF\xA0 not cp932", 13);
    page[100] = sjis("防火戸　特定防火設備");
    b.folder.write("PJDATA.tx", table);
    b.folder.write("PMDATA1.tx", page);
    const std::string tableBytes = b.folder.bytes("PJDATA.tx");
    const std::string pageBytes = b.folder.bytes("PMDATA1.tx");

    b.store.startUp("", 1);
    b.store.editBlock(1, "block 1\r\nsecond"); // the same text: nothing changes
    EXPECT_FALSE(b.store.pageModified());
    ASSERT_TRUE(b.store.writeTableOfContents());
    ASSERT_TRUE(b.store.saveCurrentPage());
    EXPECT_EQ(b.folder.bytes("PJDATA.tx"), tableBytes);
    EXPECT_EQ(b.folder.bytes("PMDATA1.tx"), pageBytes);
    EXPECT_TRUE(b.prompts.shown.empty());
}

TEST(TextBookStore, TableOfContentsMissingOrShortIsMadeWhole)
{
    const struct {
        const char* what;
        std::size_t lines; // 0: no file
        std::string first;
        std::string last;
        std::string shownFirst;
    } cases[] = {
        {"missing: the label shows, the empty title is written", 0, "", "", sjis("　目次データなし")},
        {"three titles", 3, sjis("ページ1"), "", sjis("ページ1")},
        {"twenty", 20, sjis("ページ1"), sjis("ページ20"), sjis("ページ1")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Book b;
        b.folder.write("PMDATA1.tx", samplePage());
        if (c.lines)
            b.folder.write("PJDATA.tx", titles(static_cast<int>(c.lines)));
        b.store.startUp("", 1);
        EXPECT_EQ(b.store.titles()[0], c.first);
        EXPECT_EQ(b.store.shownTitle(0), c.shownFirst);
        EXPECT_EQ(b.store.titles()[19], c.last);
        ASSERT_TRUE(b.store.writeTableOfContents());
        const Lines written = b.folder.read("PJDATA.tx");
        ASSERT_EQ(written.size(), 20u);
        EXPECT_EQ(written[0], c.first);
    }
}

TEST(TextBookStore, RegisterStoresTheInputBoxAndWritesThePage)
{
    std::string longLine;
    for (int i = 0; i < 22; ++i)
        longLine += sjis("壁");
    const struct {
        const char* what;
        Lines input;
        std::string summary;
        std::string summaryAfterReading;
    } cases[] = {
        {"one line", {"PS-1"}, "   PS-1", "   PS-1"},
        {"second line empty", {"PS-1", ""}, sjis("▼ ") + "PS-1", "   PS-1"},
        {"two lines", {"a", "b"}, sjis("▼ ") + "a", sjis("▼ ") + "a"},
        // 44 bytes: the summary stops at 42, never in half a character.
        {"long first line", {longLine}, "   " + longLine.substr(0, 42), "   " + longLine.substr(0, 42)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Book b;
        b.folder.write("PMDATA1.tx", samplePage());
        b.store.startUp("", 1);
        b.store.registerBlock(blockNumber(1, 2), c.input);
        EXPECT_EQ(b.store.summary(20), c.summary);
        const Lines written = b.folder.read("PMDATA1.tx");
        ASSERT_EQ(written.size(), 180u);
        for (std::size_t i = 0; i < 5; ++i)
            EXPECT_EQ(written[100 + i], i < c.input.size() ? c.input[i] : "");
        EXPECT_EQ(written[96], "second"); // block 19 untouched

        TextBookStore again(b.folder.path(), b.prompts);
        again.startUp("", 1);
        EXPECT_EQ(again.summary(20), c.summaryAfterReading);
    }
}

TEST(TextBookStore, RegisterWithAnEmptyInputBoxWritesNothingButMakesAMissingPage)
{
    Book b;
    b.folder.write("PJDATA.tx", titles(20));
    b.store.startUp("", 1); // missing page, answered No
    b.store.registerBlock(0, {});
    EXPECT_FALSE(b.folder.exists("PMDATA1.tx"));
    EXPECT_EQ(b.store.titles()[0], "");
    ASSERT_TRUE(b.store.saveCurrentPage());
    EXPECT_EQ(b.folder.read("PMDATA1.tx"), Lines(180));
}

TEST(TextBookStore, DeleteEmptiesTheBlockOnly)
{
    Book b;
    b.folder.write("PMDATA1.tx", samplePage());
    b.store.startUp("", 1);
    b.store.deleteBlock(blockNumber(1, 17));
    Lines expected = samplePage();
    for (std::size_t i = 175; i < 180; ++i)
        expected[i].clear();
    EXPECT_EQ(b.folder.read("PMDATA1.tx"), expected);
    EXPECT_EQ(b.store.summary(35), "");
    EXPECT_EQ(b.store.summary(34), "   block 34");
}

TEST(TextBookStore, EditInPlaceChangesLinesAndWaitsForTheNextWrite)
{
    const struct {
        const char* what;
        std::string cell;
        BlockLines lines;
        std::string summary;
    } cases[] = {
        {"two lines", "A\r\nB", {"A", "B", "", "", ""}, sjis("▼ ") + "A"},
        {"one line", "A", {"A", "", "", "", ""}, sjis("　 ") + "A"},
        {"six pieces", "1\r\n2\r\n3\r\n4\r\n5\r\n6", {"1", "2", "3", "4", "5"}, sjis("▼ ") + "1"},
        {"past byte 349",
         std::string(400, 'x'),
         {std::string(349, 'x'), "", "", "", ""},
         sjis("　 ") + std::string(349, 'x')},
        {"byte 349 inside a character",
         std::string(348, 'x') + sjis("壁"),
         {std::string(348, 'x'), "", "", "", ""},
         sjis("　 ") + std::string(348, 'x')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Book b;
        b.folder.write("PMDATA1.tx", samplePage());
        b.folder.write("PMDATA2.tx", Lines(180));
        const std::string before = b.folder.bytes("PMDATA1.tx");
        b.store.startUp("", 1);
        b.store.editBlock(3, c.cell);
        EXPECT_TRUE(b.store.pageModified());
        EXPECT_EQ(b.store.blockLines(3), c.lines);
        EXPECT_EQ(b.store.summary(3), c.summary);
        EXPECT_EQ(b.folder.bytes("PMDATA1.tx"), before);
        b.store.switchPage(2);
        EXPECT_FALSE(b.store.pageModified());
        const Lines written = b.folder.read("PMDATA1.tx");
        for (std::size_t i = 0; i < 5; ++i)
            EXPECT_EQ(written[15 + i], c.lines[i]);
    }
}

TEST(TextBookStore, SwitchingToAMissingPageAsksWithItsFullPath)
{
    for (const bool yes : {true, false}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        Book b;
        b.folder.write("PJDATA.tx", titles(20));
        b.folder.write("PMDATA1.tx", samplePage());
        const std::string before = b.folder.bytes("PMDATA1.tx");
        b.store.startUp("", 1);
        b.prompts.answer = yes;
        b.store.switchPage(5);
        EXPECT_EQ(b.prompts.shown,
                  std::vector<std::string>{question(textbook::pageMissing(b.folder.file("PMDATA5.tx")))});
        EXPECT_EQ(b.store.currentPage(), 5);
        EXPECT_EQ(b.store.summary(0), "");
        EXPECT_EQ(b.store.titles()[4], yes ? "" : sjis("ページ5"));
        EXPECT_EQ(b.folder.exists("PMDATA5.tx"), yes);
        // After a No the previous page's lines must not become page 5, nor change page 1.
        ASSERT_TRUE(b.store.saveCurrentPage());
        EXPECT_EQ(b.folder.exists("PMDATA5.tx"), yes);
        EXPECT_EQ(b.folder.bytes("PMDATA1.tx"), before);
        if (yes) {
            EXPECT_EQ(b.folder.read("PMDATA5.tx"), Lines(180));
        }
    }
}

TEST(TextBookStore, AFailedWriteIsReportedAndKeepsTheFilesWhole)
{
    Book b;
    QDir root(QString::fromStdString(b.folder.path()));
    root.mkdir("sub");
    b.folder.write("sub/PMDATA1.tx", samplePage());
    b.folder.write("sub/PJDATA.tx", titles(20));
    b.store.startUp("\\sub", 1);
    // The folder vanishes while the program runs.
    ASSERT_TRUE(root.rename("sub", "moved"));
    const std::string before = b.folder.bytes("moved/PMDATA1.tx");
    b.store.registerBlock(0, {"new"});
    b.store.deleteBlock(1);
    EXPECT_FALSE(b.store.writeTableOfContents());
    EXPECT_FALSE(b.store.saveCurrentPage());
    const std::vector<std::string> expected{warning(textbook::kPageIoError), warning(textbook::kPageIoError),
                                            warning(textbook::kTocIoError), warning(textbook::kPageIoError)};
    EXPECT_EQ(b.prompts.shown, expected);
    EXPECT_EQ(b.folder.bytes("moved/PMDATA1.tx"), before);
    // What the user registered is still held and reaches the disk once it can.
    EXPECT_EQ(b.store.blockLines(0)[0], "new");
    ASSERT_TRUE(root.rename("moved", "sub"));
    EXPECT_TRUE(b.store.saveCurrentPage());
    EXPECT_EQ(b.folder.read("sub/PMDATA1.tx")[0], "new");
}

TEST(TextBookStore, AReadOnlyFolderGivesTheIoMessage)
{
    if (!test::canTakeWriteAccessAway())
        GTEST_SKIP() << "this process writes into read-only folders";
    Book b;
    b.folder.write("PMDATA1.tx", samplePage());
    b.store.startUp("", 1);
    const std::string before = b.folder.bytes("PMDATA1.tx");
    QFile::setPermissions(QString::fromStdString(b.folder.path()), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    b.store.registerBlock(0, {"new"});
    QFile::setPermissions(QString::fromStdString(b.folder.path()),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_TRUE(b.prompts.saw(textbook::kPageIoError));
    EXPECT_EQ(b.folder.bytes("PMDATA1.tx"), before);
}

TEST(TextBookStore, ChoosingAFolderStaysInsideTheStartFolderAndMarksMissingPages)
{
    const struct {
        const char* what;
        std::string chosen; // relative to the start folder; "!" cancels; "^" leaves it
        std::string folder;
    } cases[] = {
        {"subfolder", "sub", "\\sub"},
        {"start folder itself", "", ""},
        {"cancelled", "!", "\\other"},
        {"outside the start folder", "^", "\\other"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Book b;
        QDir root(QString::fromStdString(b.folder.path()));
        root.mkdir("sub");
        root.mkdir("other");
        b.folder.write("other/PMDATA1.tx", samplePage());
        b.folder.write("sub/PMDATA1.tx", samplePage());
        b.folder.write("sub/PMDATA3.tx", samplePage());
        b.folder.write("PMDATA1.tx", samplePage());
        b.store.startUp("\\other", 1);
        if (c.chosen == "^")
            b.prompts.folder = QDir::tempPath().toStdString();
        else if (c.chosen != "!")
            b.prompts.folder = c.chosen.empty() ? b.folder.path() : b.folder.file(c.chosen);
        b.store.chooseFolder();
        EXPECT_TRUE(b.folder.exists("other/PJDATA.tx")); // written before the switch
        EXPECT_EQ(b.store.textBookFolder(), c.folder);
        EXPECT_EQ(b.prompts.saw(textbook::kFolderOutside), c.chosen == "^"); // refused, and said so
        const std::string noPage = sjis(textbook::kNoPageLabel);
        EXPECT_EQ(b.store.shownTitle(1), noPage);
        EXPECT_EQ(b.store.shownTitle(2), c.folder == "\\sub" ? "" : noPage);
        EXPECT_NE(b.store.shownTitle(0), noPage);
        // A label is shown, never written: the page's own title goes back to the file.
        EXPECT_NE(b.store.titles()[1], noPage);
        ASSERT_TRUE(b.store.writeTableOfContents());
        const std::string& in = b.store.textBookFolder();
        EXPECT_EQ(b.folder.read((in.empty() ? "" : in.substr(1) + "/") + "PJDATA.tx")[1], b.store.titles()[1]);
    }
}

TEST(TextBookStore, FolderNamesWhoseSecondByteIsABackslashAreOneName)
{
    // 表 95 5C, ソ 83 5C, 能 94 5C, 十 8F 5C, 申 90 5C, 予 97 5C: a split at the byte would name another folder.
    for (const char* name : {"表示", "ソース", "能力", "十字", "申請", "予定", "sub/表"}) {
        SCOPED_TRACE(name);
        Book b;
        QDir root(QString::fromStdString(b.folder.path()));
        root.mkpath(QString::fromUtf8(name));
        root.mkdir(QStringLiteral("示")); // where the split at 表's trail byte would lead
        b.folder.write(std::string(name) + "/PMDATA2.tx", samplePage());
        QString stored = QStringLiteral("\\") + QString::fromUtf8(name);
        stored.replace(QLatin1Char('/'), QLatin1Char('\\'));
        const std::string bytes = *toCp932Strict(stored);

        b.store.startUp(bytes, 2);
        EXPECT_EQ(b.store.textBookFolder(), bytes);
        EXPECT_FALSE(b.prompts.saw(textbook::kFolderMissing));
        EXPECT_EQ(b.store.summary(0), "   block 0");

        Book chooser;
        QDir(QString::fromStdString(chooser.folder.path())).mkpath(QString::fromUtf8(name));
        chooser.prompts.folder = chooser.folder.file(name);
        chooser.store.chooseFolder();
        EXPECT_EQ(chooser.store.textBookFolder(), bytes);
    }
}

} // namespace
} // namespace tagler
