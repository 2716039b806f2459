#include "app/Session.h"

#include "base/Clock.h"
#include "base/CodePage.h"
#include "store/TextBookMessages.h"
#include "support/ExchangeFixture.h"
#include "support/Folder.h"
#include "support/RecordingPrompts.h"

#include <QDir>
#include <gtest/gtest.h>

namespace tagler {
namespace {

using test::Folder;
using test::RecordingPrompts;

const FixedClock kClock(LocalDateTime{2024, 5, 6, 14, 7, 9, 2});

// A new install whose PLDATA remembers a text-book folder and page.
void remember(const Folder& f, const std::string& folder, int page)
{
    Lines state = f.read("PLDATA.tx");
    state[4] = std::to_string(page);
    state[11] = folder;
    f.write("PLDATA.tx", state);
}

TEST(SessionTextBook, StartUpOpensTheRememberedPageAndExitSavesWhereTheUserLeftIt)
{
    for (const bool completing : {true, false}) {
        SCOPED_TRACE(completing ? "completion" : "close");
        Folder f(Folder::withDataFiles);
        f.write("jwc_temp.txt", test::headerLines({}));
        QDir(QString::fromStdString(f.path())).mkdir("box");
        Lines page(180);
        page[0] = "remembered";
        f.write("box/PMDATA2.tx", page);
        f.write("box/PMDATA3.tx", Lines(180));
        remember(f, "\\box", 2);

        RecordingPrompts prompts;
        Session session(f.path(), SessionMode::normal, prompts, kClock);
        session.startUp();
        EXPECT_TRUE(prompts.shown.empty());
        TextBookStore& book = session.textBook();
        EXPECT_EQ(book.blockLines(0)[0], "remembered");

        book.editBlock(0, "edited");
        book.setTitle(2, sjis("仕上げ"));
        book.switchPage(3);
        book.editBlock(1, "on page 3");
        if (completing)
            session.complete();
        else
            session.close();

        const Lines state = f.read("PLDATA.tx");
        EXPECT_EQ(state[4], "3");
        EXPECT_EQ(state[11], "\\box");
        EXPECT_EQ(f.read("box/PMDATA2.tx")[0], "edited");
        EXPECT_EQ(f.read("box/PMDATA3.tx")[5], "on page 3");
        EXPECT_EQ(f.read("box/PJDATA.tx")[2], sjis("仕上げ"));
        EXPECT_TRUE(prompts.shown.empty());
    }
}

TEST(SessionTextBook, AVanishedFolderFallsBackAndTheFallbackIsRemembered)
{
    Folder f(Folder::withDataFiles);
    f.write("jwc_temp.txt", test::headerLines({}));
    remember(f, "\\gone", 4);
    RecordingPrompts prompts;
    Session session(f.path(), SessionMode::normal, prompts, kClock);
    session.startUp();
    EXPECT_EQ(prompts.shown, std::vector<std::string>{"warning: " + std::string(textbook::kFolderMissing)});
    EXPECT_TRUE(session.completionEnabled());
    EXPECT_FALSE(session.textBook().summary(1).empty()); // the shipped page 1
    session.close();
    const Lines state = f.read("PLDATA.tx");
    EXPECT_EQ(state[4], "1");
    EXPECT_EQ(state[11], "");
}

TEST(SessionTextBook, TheBatchProgramLeavesTheTextBookAlone)
{
    Folder f(Folder::withDataFiles);
    f.write("jwc_temp.txt", test::headerLines({}));
    f.remove("PJDATA.tx");
    remember(f, "", 6); // a missing page would ask
    RecordingPrompts prompts;
    Session session(f.path(), SessionMode::normal, prompts, kClock, Session::DataFiles::readOnly);
    session.startUp();
    session.complete();
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_FALSE(f.exists("PJDATA.tx"));
    EXPECT_FALSE(f.exists("PMDATA6.tx"));
}

} // namespace
} // namespace tagler
