#include "base/CodePage.h"
#include "base/LineFile.h"
#include "host/ExchangeFolder.h"
#include "host/ProgramRun.h"
#include "support/Folder.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

namespace tagler::host {
namespace {

class HostProgramTest : public ::testing::Test {
protected:
    test::Folder temp;

    std::string path(const QString& name) const { return temp.file(name.toStdString()); }
    QString filePath(const QString& name) const { return QString::fromStdString(path(name)); }

    // A stand-in for the program: a shell script in the temporary folder.
    std::string script(const QString& name, const QByteArray& body) const
    {
        QFile f(filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\n" + body + "\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return f.fileName().toStdString();
    }

    std::string exchangeFolder(const QString& name) const
    {
        QDir().mkpath(filePath(name));
        writeLines(path(name + "/jwc_temp.txt"), {"hq", "hk 0"});
        return path(name);
    }

    struct Finished {
        int exitCode = -1;
        QString out, err;
    };
    static Finished host(const QStringList& args,
                         const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
    {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(TAGLER_BIN_DIR "/tagler-host"), args);
        EXPECT_TRUE(p.waitForFinished(120000)) << args.join(' ').toStdString();
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }
};

TEST_F(HostProgramTest, RunReportsHowTheProgramEnded)
{
    const struct {
        const char* name;
        QByteArray body;
        RunOutcome::Status status;
        int exitCode;
        bool executed;
    } cases[] = {
        {"transforms", "printf ' 0 0 1 1\\r\\n' > jwc_temp.txt", RunOutcome::Status::Ended, 0, true},
        {"empties", ": > jwc_temp.txt", RunOutcome::Status::Ended, 0, true}, // text import hands back nothing
        {"idles", "exit 0", RunOutcome::Status::Ended, 0, false},
        {"refuses", "exit 7", RunOutcome::Status::Ended, 7, false},
        {"fails-late", "printf 'lc1\\r\\n' > jwc_temp.txt; exit 5", RunOutcome::Status::Ended, 5, true},
        {"crashes", "kill -SEGV $$", RunOutcome::Status::Crashed, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string folder = exchangeFolder(c.name);
        RunOutcome outcome = runProgram(script(QString(c.name) + ".sh", c.body), folder, std::nullopt);
        EXPECT_EQ(outcome.status, c.status);
        EXPECT_EQ(outcome.exitCode, c.exitCode);
        EXPECT_EQ(outcome.executed, c.executed);
    }
}

TEST_F(HostProgramTest, StartsInTheFolderWithOneArgument)
{
    std::string folder = exchangeFolder("with arg");
    std::string program = script("tells.sh", "pwd > seen.txt; echo \"$#:$1\" >> seen.txt");
    runProgram(program, folder, "T4");
    EXPECT_EQ(readLines(folder + "/seen.txt"), (Lines{folder, "1:T4"}));
    // A relative path is ours, not the program's folder's.
    std::string relative = QDir::current().relativeFilePath(QString::fromStdString(program)).toStdString();
    ASSERT_NE(relative.front(), '/');
    RunOutcome outcome = runProgram(relative, folder, std::nullopt);
    EXPECT_EQ(outcome.status, RunOutcome::Status::Ended) << outcome.message;
    EXPECT_EQ(readLines(folder + "/seen.txt"), (Lines{folder, "0:"}));
}

TEST_F(HostProgramTest, GivesUpOnAProgramThatDoesNotEndOrStart)
{
    std::string folder = exchangeFolder("slow");
    RunOutcome slow = runProgram(script("slow.sh", "exec sleep 30"), folder, std::nullopt, 300);
    EXPECT_EQ(slow.status, RunOutcome::Status::TimedOut);
    EXPECT_FALSE(slow.executed);

    RunOutcome missing = runProgram(path("no-such-program"), folder, std::nullopt);
    EXPECT_EQ(missing.status, RunOutcome::Status::FailedToStart);
    EXPECT_FALSE(missing.message.empty());
}

TEST_F(HostProgramTest, NewThenRunFromTheCommandLine)
{
    QString dir = filePath("session");
    Finished made = host({"new", dir, "--mode", "T5", "--p1", "0,0", "--p2", "40,20", "--p3", "60,20", "--p4", "20,20",
                          "--scale", "100", "--group", "3"});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    Lines exchange = readLines(path("session/jwc_temp.txt"));
    ASSERT_EQ(exchange.size(), 19u);
    EXPECT_EQ(exchange[0], "hq");
    EXPECT_EQ(exchange[9], "hp2   20 20"); // the bend, indicated second
    EXPECT_EQ(exchange[12], "lg3");
    EXPECT_EQ(readLines(path("session/jwc_temp.hdr")), exchange);
    for (const char* name : defaultDataFiles) // whatever the install has travels along
        EXPECT_EQ(QFile::exists(QStringLiteral(TAGLER_BIN_DIR "/") + name), QFile::exists(dir + "/" + name)) << name;

    Finished idle = host({"run", dir, "T5", "--program", QString::fromStdString(script("idle.sh", "exit 0"))});
    EXPECT_EQ(idle.exitCode, 3);
    EXPECT_TRUE(idle.out.contains("not executed")) << idle.out.toStdString();

    Finished done = host({"run", dir, "--program", QString::fromStdString(script("done.sh", ": > jwc_temp.txt"))});
    EXPECT_EQ(done.exitCode, 0);
    EXPECT_FALSE(done.out.contains("not executed"));

    EXPECT_EQ(host({"new", dir, "--p1", "0,0"}).exitCode, 2); // a usage error
}

// The records of a small sheet: a filled square at the lower left, a line on
// the right edge, a big text at the upper left.
const Lines sheetRecords = {
    "lc6",           "sl 0 0 100 0 100 100 0 100",           "lc2",        " 200 0 200 200",
    "cn0 20 40 0 2", "ch 0 150 100 0 \"" + sjis("注釈文字"), "zz unknown",
};

TEST_F(HostProgramTest, TheProgramStartsWithTheUsersEnvironment)
{
    // The stand-in host draws offscreen; the program it starts must still open on the user's display.
    const std::string folder = exchangeFolder("env");
    const std::string program = script("env.sh", "printf '%s|%s' \"${QT_QPA_PLATFORM-unset}\" \"$DISPLAY\" > seen.txt");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM");
    env.insert("DISPLAY", ":42");
    const Finished run =
        host({"run", QString::fromStdString(folder), "--program", QString::fromStdString(program)}, env);
    QFile seen(QString::fromStdString(folder + "/seen.txt"));
    ASSERT_TRUE(seen.open(QIODevice::ReadOnly)) << run.err.toStdString();
    EXPECT_EQ(seen.readAll(), "unset|:42");
}

TEST_F(HostProgramTest, RendersThePictureTheRecordsDescribe)
{
    writeLines(path("records.txt"), sheetRecords);
    Finished png = host({"render", filePath("records.txt"), filePath("out.png")});
    ASSERT_EQ(png.exitCode, 0) << png.err.toStdString();
    EXPECT_TRUE(png.err.contains("line 7 skipped")) << png.err.toStdString();

    QImage image(filePath("out.png"));
    ASSERT_FALSE(image.isNull());
    // Find the drawing's frame from the square and the line rather than from
    // the fitting rule: the blue square's left and bottom edges, the line's column.
    auto isBlue = [&](int x, int y) {
        QColor c = image.pixelColor(x, y);
        return c.blue() > 150 && c.red() < 100;
    };
    auto isWhite = [&](int x, int y) { return image.pixelColor(x, y).lightness() > 250; };
    int left = -1, bottom = -1, right = -1;
    for (int x = 0; x < image.width() && left < 0; ++x)
        for (int y = 0; y < image.height(); ++y)
            if (isBlue(x, y)) {
                left = x;
                break;
            }
    for (int y = image.height() - 1; y >= 0 && bottom < 0; --y)
        if (left >= 0 && isBlue(left + 2, y))
            bottom = y;
    for (int x = image.width() - 1; x >= 0 && right < 0; --x)
        if (bottom >= 0 && image.pixelColor(x, bottom - 5).lightness() < 100)
            right = x;
    ASSERT_GE(left, 0);
    ASSERT_GE(bottom, 0);
    ASSERT_GT(right, left);
    double unit = (right - left) / 200.0; // pixels per drawing unit
    auto at = [&](double x, double y) { return QPoint(left + int(x * unit), bottom - int(y * unit)); };

    // y runs up: the square is at the bottom, its top at y = 100.
    EXPECT_TRUE(isBlue(at(50, 50).x(), at(50, 50).y()));
    EXPECT_TRUE(isBlue(at(95, 95).x(), at(95, 95).y()));
    EXPECT_TRUE(isWhite(at(50, 110).x(), at(50, 110).y()));
    EXPECT_TRUE(isWhite(at(150, 50).x(), at(150, 50).y()));
    // The line reaches up to y = 200.
    EXPECT_LT(image.pixelColor(at(200, 195)).lightness(), 100);

    // The text box (0, 150)-(100, 190) holds dark glyph pixels, the area beside it none.
    auto darkShare = [&](double x1, double y1, double x2, double y2) {
        int dark = 0, all = 0;
        for (int x = at(x1, 0).x(); x < at(x2, 0).x(); ++x)
            for (int y = at(0, y2).y(); y < at(0, y1).y(); ++y, ++all)
                dark += image.pixelColor(x, y).lightness() < 128;
        return double(dark) / all;
    };
    EXPECT_GT(darkShare(2, 152, 98, 188), 0.10);
    EXPECT_EQ(darkShare(110, 120, 190, 190), 0.0);

    Finished svg = host({"render", filePath("records.txt"), filePath("out.svg")});
    ASSERT_EQ(svg.exitCode, 0) << svg.err.toStdString();
    QFile file(filePath("out.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QString content = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(content.contains("<svg"));
    EXPECT_TRUE(content.contains(QString::fromUtf8("注釈文字")));

    EXPECT_NE(host({"render", filePath("records.txt"), filePath("out.bmp")}).exitCode, 0);
}

} // namespace
} // namespace tagler::host
