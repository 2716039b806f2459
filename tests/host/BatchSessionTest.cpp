#include "base/CodePage.h"
#include "host/BatchFile.h"
#include "render/HostRecord.h"
#include "support/Folder.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>
#include <variant>

// Every mode from its shipped batch file to what the host would draw: the
// stand-in host asks what the batch asks, the batch program answers in the folder.
namespace tagler::host {
namespace {

using render::Point;

struct Ran {
    int exitCode = -1;
    std::string out, err;
};

Ran run(const QString& program, const QStringList& args, const std::string& folder = {})
{
    QProcess p;
    if (!folder.empty())
        p.setWorkingDirectory(QString::fromStdString(folder));
    p.start(QStringLiteral(TAGLER_BIN_DIR "/") + program, args);
    EXPECT_TRUE(p.waitForFinished(120000)) << program.toStdString();
    return {p.exitCode(), p.readAllStandardOutput().toStdString(), p.readAllStandardError().toStdString()};
}

QString shippedBatch(SessionMode mode)
{
    return QStringLiteral(TAGLER_SHIPPED_BATCHES "/") + QString::fromUtf8(traits(mode).batchFile);
}

bool near(const Point& a, const Point& b) { return std::abs(a.x - b.x) < 1e-6 && std::abs(a.y - b.y) < 1e-6; }

struct Drawn {
    std::vector<render::LineRecord> lines;
    std::vector<render::TextRecord> texts;
    bool erasesSelection = false;
    bool hasLine(const Point& a, const Point& b) const
    {
        return std::any_of(lines.begin(), lines.end(), [&](const render::LineRecord& l) {
            return (near(l.from, a) && near(l.to, b)) || (near(l.from, b) && near(l.to, a));
        });
    }
    // The smallest axis box holding every line.
    bool linesEnclose(const Point& p) const
    {
        double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;
        for (const render::LineRecord& l : lines)
            for (const Point& q : {l.from, l.to})
                x0 = std::min(x0, q.x), y0 = std::min(y0, q.y), x1 = std::max(x1, q.x), y1 = std::max(y1, q.y);
        return p.x > x0 && p.x < x1 && p.y > y0 && p.y < y1;
    }
};

Drawn drawn(const Lines& records)
{
    Drawn d;
    for (const std::string& line : records) {
        d.erasesSelection = d.erasesSelection || line == "hd";
        const render::HostRecord r = render::parseRecord(line);
        if (const auto* l = std::get_if<render::LineRecord>(&r))
            d.lines.push_back(*l);
        if (const auto* t = std::get_if<render::TextRecord>(&r))
            d.texts.push_back(*t);
    }
    return d;
}

TEST(BatchSessionTest, EveryModeThroughItsShippedBatch)
{
    const Point p[] = {{0, 0}, {30, 20}, {70, 20}, {110, 20}};
    const Lines selection = {"lg2", "cn3", " 0 0 40 30", "ch 10 10 20 0 \"AB", "lc3", "ci 5 5 2", "ch 10 40 12 5 \"CD"};
    for (int m = 0; m < kSessionModeCount; ++m) {
        const auto mode = static_cast<SessionMode>(m);
        const SessionModeTraits& t = traits(mode);
        SCOPED_TRACE(t.batchFile);
        test::Folder folder;
        folder.write("selection.txt", selection);
        folder.write("text.txt", {"NOTE"});
        QStringList newArgs = {"new", QString::fromStdString(folder.path()), "--batch", shippedBatch(mode)};
        for (std::size_t i = 0; i < t.points.size(); ++i)
            newArgs << "--point" << QString("%1,%2").arg(p[i].x).arg(p[i].y);
        if (t.handsOverSelection)
            newArgs << "--records" << QString::fromStdString(folder.file("selection.txt"));
        const Ran made = run("tagler-host", newArgs);
        ASSERT_EQ(made.exitCode, 0) << made.err;

        // Where the program reads each line: the points the batch asked for, then the host's records.
        const Lines handOver = folder.read("jwc_temp.txt");
        const std::size_t n = t.points.size();
        ASSERT_GE(handOver.size(), 15 + n);
        EXPECT_EQ(handOver[14 + n], "#");
        for (std::size_t i = 0; i < n; ++i)
            EXPECT_TRUE(
                handOver[8 + i].starts_with("hp" + std::to_string(i + 1) + (t.points[i].rubberBand ? "-" : " ")))
                << handOver[8 + i];
        EXPECT_EQ(handOver[8 + n], "lg0");
        EXPECT_EQ(handOver[13 + n].substr(0, 4), "cn\"$");

        QStringList batchArgs;
        if (t.argument[0])
            batchArgs << t.argument;
        if (!t.handsOverSelection)
            batchArgs << "--text" << QString::fromStdString(folder.file("text.txt"));
        if (t.framesExistingText)
            batchArgs << "--set"
                      << "frameType=2";
        const Ran done = run("tagler-batch", batchArgs, folder.path());
        ASSERT_EQ(done.exitCode, 0) << done.err;
        const Drawn d = drawn(folder.read("jwc_temp.txt"));
        EXPECT_FALSE(d.erasesSelection);
        switch (mode) {
        case SessionMode::normal: EXPECT_TRUE(d.hasLine(p[0], p[1])); break;
        case SessionMode::fourPoint: // the bend is the second point asked
            EXPECT_TRUE(d.hasLine(p[0], p[1]));
            EXPECT_TRUE(d.hasLine(p[1], p[2]));
            break;
        case SessionMode::textMode:
            ASSERT_EQ(d.texts.size(), 1u);
            EXPECT_TRUE(near(d.texts[0].origin, p[0]));
            break;
        case SessionMode::importText:
            EXPECT_EQ(done.out, "AB\nCD\n");
            EXPECT_TRUE(folder.read("jwc_temp.txt").empty());
            break;
        case SessionMode::frameWrite1:
        case SessionMode::frameWrite2:
            EXPECT_TRUE(d.texts.empty()); // the selected texts stay in the drawing as they are
            EXPECT_EQ(d.lines.size(), mode == SessionMode::frameWrite1 ? 4u : 8u);
            EXPECT_TRUE(d.linesEnclose({11, 11}));
            EXPECT_TRUE(d.linesEnclose({11, 41}));
            break;
        }
    }
}

TEST(BatchSessionTest, TheStandInHostRefusesWhatTheBatchDoesNotAsk)
{
    test::Folder folder;
    folder.write("selection.txt", {"ch 0 0 5 0 \"A"});
    writeText(folder.file("NOJWW.BAT"), {sjis("REM 説明\r\nREM #cd\r\nREM #1 a\r\nREM #e\r\ntagler.exe\r\n")});
    const QString out = QString::fromStdString(folder.file("out"));
    const struct {
        const char* name;
        QStringList args;
        const char* says;
    } cases[] = {
        {"no #jww", {"--batch", QString::fromStdString(folder.file("NOJWW.BAT")), "--point", "0,0"}, "no #jww"},
        {"a point short",
         {"--batch", shippedBatch(SessionMode::normal), "--point", "0,0", "--point", "1,1"},
         "asks for 3 point(s); 2 given"},
        {"a selection without #h3",
         {"--batch", shippedBatch(SessionMode::textMode), "--point", "0,0", "--point", "1,1", "--records",
          QString::fromStdString(folder.file("selection.txt"))},
         "has no #h3"},
        {"#h3 without a selection", {"--batch", shippedBatch(SessionMode::frameWrite1)}, "give --records"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Ran r = run("tagler-host", QStringList{"new", out} + c.args);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_FALSE(folder.exists("out/jwc_temp.txt"));
    }
}

TEST(BatchSessionTest, RunStartsWhatTheBatchStartsAndDrawsWhatItWrote)
{
    test::Folder folder;
    const std::string drawing = folder.file("drawing");
    ASSERT_EQ(run("tagler-host", {"new", QString::fromStdString(drawing), "--batch",
                                  shippedBatch(SessionMode::textMode), "--point", "0,0", "--point", "10,0"})
                  .exitCode,
              0);
    const QString batch = shippedBatch(SessionMode::textMode);
    // A program that leaves the file as the host wrote it: not executed.
    writeText(folder.file("idle"), {"#!/bin/sh\necho \"$1\" > argument.txt\n"});
    QFile::setPermissions(QString::fromStdString(folder.file("idle")), QFile::ReadOwner | QFile::ExeOwner);
    const Ran idle = run("tagler-host", {"run", QString::fromStdString(drawing), "--batch", batch, "--program",
                                         QString::fromStdString(folder.file("idle"))});
    EXPECT_EQ(idle.exitCode, 3);
    EXPECT_NE(idle.out.find("未実行"), std::string::npos) << idle.out;
    EXPECT_EQ(readLines(drawing + "/argument.txt"), Lines{"T4"});
    const Ran done = run("tagler-host", {"run", QString::fromStdString(drawing), "--batch", batch, "--program",
                                         TAGLER_BIN_DIR "/tagler-batch"});
    EXPECT_EQ(done.exitCode, 0) << done.err;
    EXPECT_NE(done.out.find("drew"), std::string::npos) << done.out;
    EXPECT_TRUE(fileExists(drawing + "/jwc_temp.png"));
}

TEST(BatchSessionTest, CheckBatchSaysWhichFilesFail)
{
    test::Folder folder;
    writeText(folder.file("LF.BAT"), {"REM x\n@echo off\nREM #jww\nREM #cd\nREM #e\ntagler.exe T1\n"});
    const Ran r = run("tagler-host", {"check-batch", shippedBatch(SessionMode::normal),
                                      QString::fromStdString(folder.file("LF.BAT"))});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.out.find("TAGLER.BAT: ok"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("LF.BAT: line 1: ends in a lone CR or LF"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("LF.BAT: no #h3"), std::string::npos) << r.out;
    EXPECT_EQ(run("tagler-host", {"check-batch", shippedBatch(SessionMode::frameWrite2)}).exitCode, 0);
}

} // namespace
} // namespace tagler::host
