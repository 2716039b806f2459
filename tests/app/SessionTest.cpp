#include "app/Session.h"

#include "app/Messages.h"
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
using Shown = std::vector<std::string>;

const FixedClock kClock(LocalDateTime{2024, 5, 6, 14, 7, 9, 2});

std::string info(const std::string& t) { return "info: " + t; }
std::string warning(const std::string& t) { return "warning: " + t; }

struct Started {
    RecordingPrompts prompts;
    std::unique_ptr<Session> session;
};

std::unique_ptr<Started> start(const Folder& f, SessionMode mode = SessionMode::normal)
{
    auto s = std::make_unique<Started>();
    s->session = std::make_unique<Session>(f.path(), mode, s->prompts, kClock);
    s->session->startUp();
    return s;
}

TEST(SessionStartUp, AHealthyFolderShowsNothing)
{
    Folder f(Folder::withDataFiles);
    f.write("jwc_temp.txt", test::headerLines({}));
    auto s = start(f);
    EXPECT_EQ(s->prompts.shown, Shown{});
    EXPECT_TRUE(s->session->completionEnabled());
    EXPECT_FALSE(s->session->terminateRequested());
    EXPECT_EQ(s->session->settings().frameType, 1); // the default state's underline
}

TEST(SessionStartUp, MessagesComeInTheirFixedOrder)
{
    struct Case {
        const char* name;
        bool exchange, state, patterns;
        Lines exchangeLines;
        Shown expected;
        bool enabled;
        bool terminate;
    };
    const Lines header = test::headerLines({});
    Lines transformed = header;
    transformed[0] = "hq ";
    const Lines shortHeader(header.begin(), header.begin() + 16);
    const Case cases[] = {
        {"missing exchange", false, true, true, {}, {info(messages::kExchangeMissing)}, false, false},
        {"transformed", true, true, true, transformed, {info(messages::kExchangeTransformed)}, false, false},
        {"16 lines", true, true, true, shortHeader, {info(messages::kExchangeDataError)}, false, false},
        {"no state", true, false, true, header, {info(messages::kStateMissing)}, true, true},
        {"no patterns", true, true, false, header, {info(messages::patternsMissing())}, false, false},
        {"nothing at all",
         false,
         false,
         false,
         {},
         {info(messages::kExchangeMissing), info(messages::kStateMissing), info(messages::patternsMissing())},
         false,
         true},
    };
    for (const Case& c : cases) {
        Folder f(Folder::withDataFiles);
        if (c.exchange)
            f.write("jwc_temp.txt", c.exchangeLines);
        if (!c.state)
            f.remove("PLDATA.tx");
        if (!c.patterns)
            f.remove("PKDATA.tx");
        auto s = start(f);
        EXPECT_EQ(s->prompts.shown, c.expected) << c.name;
        EXPECT_EQ(s->session->completionEnabled(), c.enabled) << c.name;
        EXPECT_EQ(s->session->terminateRequested(), c.terminate) << c.name;
    }
}

TEST(SessionStartUp, BrokenDataFilesAreRefusedWithTheirMessages)
{
    struct Case {
        const char* name;
        const char* file;
        Lines lines;
        Shown expected;
    };
    Lines state24(24, "0");
    Lines nonNumeric(30, "0");
    nonNumeric[2] = "x";
    const Case cases[] = {
        {"PLDATA 24 lines", "PLDATA.tx", state24, {warning(messages::kStateInvalid)}},
        {"PLDATA not a number", "PLDATA.tx", nonNumeric, {warning(*messages::dataErrorMessage(ErrorKind::Conversion))}},
        {"PKDATA 125 lines", "PKDATA.tx", Lines(125, "0"), {warning(messages::kPatternsInvalid)}},
        {"PKDATA 127 lines", "PKDATA.tx", Lines(127, "0"), {warning(messages::kPatternsInvalid)}},
    };
    for (const Case& c : cases) {
        Folder f(Folder::withDataFiles);
        f.write("jwc_temp.txt", test::headerLines({}));
        f.write(c.file, c.lines);
        auto s = start(f);
        EXPECT_EQ(s->prompts.shown, c.expected) << c.name;
        EXPECT_FALSE(s->session->completionEnabled()) << c.name;
    }
}

TEST(SessionStartUp, AShortStateFileIsPaddedAndRewritten)
{
    Folder f(Folder::withDataFiles);
    f.write("jwc_temp.txt", test::headerLines({}));
    Lines state = f.read("PLDATA.tx");
    state.resize(25);
    f.write("PLDATA.tx", state);
    auto s = start(f);
    EXPECT_EQ(s->prompts.shown, Shown{});
    EXPECT_EQ(f.read("PLDATA.tx").size(), 30u);
}

TEST(SessionCompletion, WritesTheAnnotationAndSavesTheState)
{
    Folder f(Folder::withDataFiles);
    f.write("jwc_temp.txt", test::headerLines({}));
    auto s = start(f);
    s->session->settings().frameType = 0;
    s->session->settings().fixedLeaderLength = true;
    s->session->settings().rememberedLeaderLength = "14.1421356237";
    s->session->setInputLines({"abc"});
    const CompletionReport r = s->session->complete();
    EXPECT_TRUE(r.written);
    const Lines out = f.read("jwc_temp.txt");
    EXPECT_NE(std::find(out.begin(), out.end(), "cn1"), out.end());
    EXPECT_EQ(f.read("PLDATA.tx")[24], "1");
}

TEST(SessionCompletion, CloseLeavesTheExchangeFileAlone)
{
    Folder f(Folder::withDataFiles);
    f.write("jwc_temp.txt", test::headerLines({}));
    auto s = start(f);
    s->session->settings().fixedLeaderLength = true;
    s->session->close();
    EXPECT_EQ(f.read("jwc_temp.txt"), test::headerLines({}));
    EXPECT_EQ(f.read("PLDATA.tx")[24], "1");
}

TEST(SessionCompletion, AWriterFailureStillWritesTheRecordsBeforeIt)
{
    Folder f(Folder::withDataFiles);
    Lines header = test::headerLines({});
    header[2] = "hs 0 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1"; // a zero scale for the host group
    f.write("jwc_temp.txt", header);
    auto s = start(f);
    s->session->settings().writeGroup = 2;
    s->session->setInputLines({"a"});
    const CompletionReport r = s->session->complete();
    EXPECT_TRUE(r.messageShown);
    EXPECT_EQ(s->prompts.shown, Shown{warning(*messages::writerErrorMessage(ErrorKind::FloatDivideByZero))});
    EXPECT_EQ(f.read("jwc_temp.txt"), (Lines{"lg1"}));
}

TEST(SessionCompletion, AnExchangeFileReplacedSinceStartUpIsNotWrittenOver)
{
    // Another window completing first, or the host handing over new points of the same size.
    for (const bool otherWindow : {true, false}) {
        Folder f(Folder::withDataFiles);
        f.write("jwc_temp.txt", test::headerLines({}));
        auto s = start(f);
        auto other = start(f);
        other->session->setInputLines({"AAA"});
        if (otherWindow)
            other->session->complete();
        else
            f.write("jwc_temp.txt", test::headerLines({.p1 = "1 1"}));
        const std::string theirs = f.bytes("jwc_temp.txt");
        s->session->setInputLines({"BBB"});
        EXPECT_TRUE(s->session->complete().failed) << otherWindow;
        EXPECT_EQ(s->prompts.shown, Shown{warning(messages::kExchangeChanged)}) << otherWindow;
        EXPECT_EQ(f.bytes("jwc_temp.txt"), theirs) << otherWindow;
    }
}

TEST(SessionCompletion, ImportingTextHandsBackNothing)
{
    Folder f(Folder::withDataFiles);
    Lines records(11, "x");
    records[0] = "hq";
    records.push_back("ch 0 0 1 0 \"" + sjis("取込む文字"));
    records.push_back("lg0");
    records.push_back("ch 0 0 1 0 \"second");
    records.push_back("#");
    f.write("jwc_temp.txt", records);
    auto s = start(f, SessionMode::importText);
    EXPECT_EQ(s->session->inputLines(), (Lines{sjis("取込む文字"), "second"}));
    EXPECT_EQ(f.read("jwc_temp.txt"), Lines{});
    EXPECT_EQ(s->session->completionCaption(), "取込完了");
    EXPECT_FALSE(s->session->complete().written);
    EXPECT_EQ(f.read("jwc_temp.txt"), Lines{});
}

TEST(SessionCompletion, DisabledCompletionDoesNothing)
{
    Folder f(Folder::withDataFiles);
    auto s = start(f); // no exchange file
    EXPECT_FALSE(s->session->complete().written);
    EXPECT_FALSE(f.exists("jwc_temp.txt"));
}

TEST(SessionCompletion, FailedDataFileSavesAreReportedOnceAndCompletionGoesOn)
{
    // Each named file's place turns into a folder: it can no longer be replaced. The state and
    // the page fail with the same words, said once; the table of contents has its own.
    const std::string io = messages::kIoError;
    const struct {
        std::vector<std::string> unwritable;
        std::string said;
    } cases[] = {
        {{"PLDATA.tx"}, io},
        {{"PLDATA.tx", "PJDATA.tx", "PMDATA1.tx"}, io + "\r\n" + textbook::kTocIoError},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.unwritable.size());
        Folder f(Folder::withDataFiles);
        f.write("jwc_temp.txt", test::headerLines({}));
        auto s = start(f);
        for (const std::string& name : c.unwritable) {
            f.remove(name);
            QDir().mkdir(QString::fromStdString(f.file(name)));
        }
        s->session->setInputLines({"a"});
        const CompletionReport r = s->session->complete();
        const std::string folder = QDir::toNativeSeparators(QString::fromStdString(f.path())).toStdString();
        EXPECT_EQ(s->prompts.shown, Shown{warning(c.said + "\r\nフォルダー: " + folder)});
        EXPECT_TRUE(r.written);
    }
}

TEST(SessionRegistering, AFailedRegisterShowsItsMessageAndWritesNothing)
{
    const struct {
        const char* name;
        const char* unwritable; // becomes a folder after start-up
        bool pattern;           // 「基本設定登録」, else 「設定登録」
        std::string newName;
        std::string message;
    } cases[] = {
        {"pattern name with a line break", nullptr, true, "a\r\nb", *messages::dataErrorMessage(ErrorKind::Conversion)},
        {"PKDATA.tx cannot be replaced", "PKDATA.tx", true, "", messages::kIoError},
        {"PLDATA.tx cannot be replaced", "PLDATA.tx", false, "", messages::kIoError},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Folder f(Folder::withDataFiles);
        f.write("jwc_temp.txt", test::headerLines({}));
        auto s = start(f);
        if (c.unwritable) {
            f.remove(c.unwritable);
            QDir().mkdir(QString::fromStdString(f.file(c.unwritable)));
        }
        const std::string state = f.bytes("PLDATA.tx");
        const std::string patterns = f.bytes("PKDATA.tx");
        s->session->settings().arrowLength = 42;
        s->session->settings().fixedLeaderLength = true;

        const bool registered =
            c.pattern ? s->session->registerBasicSettings(c.newName) : s->session->registerSessionSettings();
        EXPECT_FALSE(registered);
        EXPECT_EQ(s->prompts.shown, Shown{warning(c.message)});
        // A refused pattern is not followed by the exit save either.
        EXPECT_EQ(f.bytes("PLDATA.tx"), state);
        EXPECT_EQ(f.bytes("PKDATA.tx"), patterns);
    }
}

TEST(SessionModes, ArgumentsInEitherCase)
{
    EXPECT_EQ(sessionModeFromArgument("t3"), SessionMode::frameWrite2);
    EXPECT_EQ(sessionModeFromArgument("T3"), SessionMode::frameWrite2);
    EXPECT_EQ(sessionModeFromArgument("T6"), SessionMode::normal);
    EXPECT_EQ(sessionModeFromArgument(""), SessionMode::normal);
    EXPECT_EQ(sessionModeFromArgument("t5"), SessionMode::fourPoint);
}

} // namespace
} // namespace tagler
