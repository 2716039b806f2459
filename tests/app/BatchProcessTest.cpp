#include "base/CodePage.h"
#include "support/ExchangeFixture.h"
#include "support/Folder.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace tagler {
namespace {

using test::Folder;

struct Result {
    int exitCode;
    std::string err;
};

Result batch(const Folder& f, const QStringList& args)
{
    QProcess p;
    p.setWorkingDirectory(QString::fromStdString(f.path()));
    p.start(QStringLiteral(TAGLER_BIN_DIR "/tagler-batch"), args);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardError()).toStdString()};
}

void writeUtf8(const Folder& f, const std::string& name, const QByteArray& text)
{
    QFile file(QString::fromStdString(f.file(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

TEST(BatchProcess, WritesTheAnnotationFromATextFile)
{
    // Either form of an option's value, and the mode in either case.
    const QStringList forms[] = {
        {"--text", "abc.txt", "--set", "attachPosition=4", "--set", "frameType=0"},
        {"--text=abc.txt", "--set=attachPosition=4", "--set=frameType=0"},
        {"t4", "--text=abc.txt", "--set=attachPosition=4", "--set=frameType=0"},
    };
    for (const QStringList& args : forms) {
        Folder f(Folder::withDataFiles);
        f.write("jwc_temp.txt", test::headerLines({}, args[0] == "t4" ? SessionMode::textMode : SessionMode::normal));
        writeUtf8(f, "abc.txt", "abc\n");
        const Result r = batch(f, args);
        const std::string what = args.join(u' ').toStdString();
        EXPECT_EQ(r.exitCode, 0) << what << ": " << r.err;
        EXPECT_EQ(r.err, "") << what;
        const Lines out = f.read("jwc_temp.txt");
        EXPECT_NE(std::find_if(out.begin(), out.end(), [](const std::string& l) { return l.ends_with("\"abc"); }),
                  out.end())
            << what;
        EXPECT_EQ(out.back(), "ly0") << what;
    }
}

TEST(BatchProcess, DateLinesFollowTheGivenClock)
{
    Folder f(Folder::withDataFiles);
    f.write("jwc_temp.txt", test::headerLines({}));
    writeUtf8(f, "date.txt", "$2=F\n");
    const Result r = batch(f, {"--text", "date.txt", "--set", "useEmbeddedText=1", "--set", "frameType=0", "--set",
                               "attachPosition=4", "--now", "2024-05-06T14:07:09"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    const Lines out = f.read("jwc_temp.txt");
    EXPECT_NE(std::find(out.begin(), out.end(), "ch 10 10 19 0 \"2024/05/06 14:07:09"), out.end());
}

TEST(BatchProcess, ExitCodesTellUsageFromMessages)
{
    struct Case {
        const char* name;
        QStringList args;
        bool exchange;
        int code;
        const char* stderrPart;
    };
    const Case cases[] = {
        {"unknown field", {"--set", "noSuchField=1"}, true, 2, "unknown field"},
        {"value out of range", {"--set", "frameType=15"}, true, 2, "frameType"},
        {"bad clock", {"--now", "2024-13-01T00:00:00"}, true, 2, "--now"},
        {"unknown option", {"--bogus"}, true, 2, "Unknown option"},
        {"a single dash is no mode", {"-x"}, true, 2, "usage:"},
        {"two modes", {"T1", "T2"}, true, 2, "unexpected argument"},
        {"a value missing", {"--text"}, true, 2, "--text"},
        {"a clock given twice", {"--now", "2024-01-01T00:00:00", "--now", "2024-01-01T00:00:00"}, true, 2, "twice"},
        {"a word that is no mode", {"T9"}, true, 0, "notice: 'T9' is no mode"},
        {"missing exchange file", {}, false, 1, "info: jwc_temp.txt が見つかりません"},
    };
    for (const Case& c : cases) {
        Folder f(Folder::withDataFiles);
        if (c.exchange)
            f.write("jwc_temp.txt", test::headerLines({}));
        const std::string before = c.exchange ? f.bytes("jwc_temp.txt") : std::string();
        const Result r = batch(f, c.args);
        EXPECT_EQ(r.exitCode, c.code) << c.name << ": " << r.err;
        EXPECT_NE(r.err.find(c.stderrPart), std::string::npos) << c.name << ": " << r.err;
        if (c.exchange && c.code == 2) {
            EXPECT_EQ(f.bytes("jwc_temp.txt"), before) << c.name;
        }
    }
}

TEST(BatchProcess, ADataFileCutAtItsBoundIsAMessage)
{
    Folder f(Folder::withDataFiles);
    f.write("jwc_temp.txt", test::headerLines({}));
    Lines state = f.read("PLDATA.tx");
    state[20] = std::string(kLineBytesBound + 1, 'F'); // the chosen font's name
    f.write("PLDATA.tx", state);
    const Result r = batch(f, {});
    EXPECT_EQ(r.exitCode, 1) << r.err;
    EXPECT_NE(r.err.find("warning: PLDATA.tx が大きすぎるため"), std::string::npos) << r.err;
}

TEST(BatchProcess, TextTheCodePageCannotHoldIsRefused)
{
    Folder f(Folder::withDataFiles);
    f.write("jwc_temp.txt", test::headerLines({}));
    writeUtf8(f, "emoji.txt", "注釈\xF0\x9F\x98\x80\n");
    const Result r = batch(f, {"--text", "emoji.txt"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(f.read("jwc_temp.txt"), test::headerLines({}));
}

TEST(BatchProcess, AWriterErrorIsReportedAndTheRecordsSoFarWritten)
{
    Folder f(Folder::withDataFiles);
    Lines header = test::headerLines({});
    header[2] = "hs 0 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1";
    f.write("jwc_temp.txt", header);
    writeUtf8(f, "a.txt", "a\n");
    const Result r = batch(f, {"--text", "a.txt", "--set", "writeGroup=3"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("warning: [ 実数除算エラー]"), std::string::npos) << r.err;
    EXPECT_EQ(f.read("jwc_temp.txt"), (Lines{"lg2"}));
}

TEST(BatchProcess, NeverWritesTheDataFiles)
{
    Folder f(Folder::withDataFiles);
    Lines state = f.read("PLDATA.tx");
    state.resize(25);
    f.write("PLDATA.tx", state);
    f.write("jwc_temp.txt", test::headerLines({}));
    writeUtf8(f, "a.txt", "a\n");
    EXPECT_EQ(batch(f, {"--text", "a.txt"}).exitCode, 0);
    EXPECT_EQ(f.read("PLDATA.tx").size(), 25u);
}

TEST(BatchProcess, InputBoxLimitsApply)
{
    Folder f(Folder::withDataFiles);
    f.write("jwc_temp.txt", test::headerLines({}));
    QByteArray text;
    for (int i = 0; i < 7; ++i)
        text += QByteArray(75, char('a' + i)) + "\n";
    writeUtf8(f, "long.txt", text);
    EXPECT_EQ(batch(f, {"--text", "long.txt", "--set", "frameType=0"}).exitCode, 0);
    int texts = 0;
    for (const std::string& r : f.read("jwc_temp.txt")) {
        if (r.rfind("ch ", 0) != 0)
            continue;
        ++texts;
        EXPECT_EQ(r.substr(r.find('"') + 1).size(), 70u);
    }
    EXPECT_EQ(texts, 5);
}

} // namespace
} // namespace tagler
