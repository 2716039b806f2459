#include "base/CodePage.h"
#include "support/ExchangeFixture.h"
#include "support/Folder.h"

#include <QProcess>
#include <gtest/gtest.h>

#include <algorithm>

// The batch program in the modes that receive a selection from the host: import (T1) and the
// two frame-writing modes (T2, T3), from the hand-over file to exit code, stdout and records.
namespace tagler {
namespace {

using test::Folder;

// The host's hand-over for a selection: attribute lines straight after the range, then the records.
Lines selection(const Lines& records)
{
    Lines l = test::headerLines({}, SessionMode::frameWrite2);
    l.insert(l.end(), records.begin(), records.end());
    return l;
}

struct BatchRun {
    int exitCode;
    std::string out, err;
    Lines records;
};

BatchRun batchIn(const Folder& f, const std::string& mode, const QStringList& extra = {})
{
    QProcess p;
    p.setWorkingDirectory(QString::fromStdString(f.path()));
    p.start(QStringLiteral(TAGLER_BIN_DIR "/tagler-batch"), QStringList{QString::fromStdString(mode)} + extra);
    p.waitForFinished(60000);
    return {p.exitCode(), p.readAllStandardOutput().toStdString(), p.readAllStandardError().toStdString(),
            f.read("jwc_temp.txt")};
}

BatchRun batch(const std::string& mode, const Lines& records, const QStringList& extra = {})
{
    Folder f(Folder::withDataFiles);
    f.write("jwc_temp.txt", selection(records));
    return batchIn(f, mode, extra);
}

std::size_t countOf(const Lines& records, const std::string& kind)
{
    return static_cast<std::size_t>(
        std::count_if(records.begin(), records.end(), [&](const std::string& r) { return r.rfind(kind, 0) == 0; }));
}

const Lines kThreeTexts = {"ch 0 0 12 0 \"ABCDEF", "ch 0 -5 8 0 \"GHIJ", sjis("ch 20 -10 10 0 \"注記です")};

TEST(SelectionBatch, ImportPrintsTheTextsTheInputBoxTakesAndSaysWhenSomeAreLeftOut)
{
    const struct {
        int more;
        const char* said;
    } rows[] = {
        {2, ""},
        {4, "notice: the selection holds more than 5 texts; the first 5 are imported\n"},
    };
    for (const auto& row : rows) {
        Lines many = kThreeTexts;
        for (int i = 0; i < row.more; ++i)
            many.push_back("ch 0 0 1 0 \"more" + std::to_string(i));
        const BatchRun r = batch("T1", many);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.err, row.said);
        EXPECT_EQ(r.out, "ABCDEF\nGHIJ\n注記です\nmore0\nmore1\n");
        EXPECT_TRUE(r.records.empty());
    }
}

TEST(SelectionBatch, FramesOneAroundAllOrOneEach)
{
    const struct {
        const char* mode;
        std::size_t frames;
    } rows[] = {{"T2", 1}, {"T3", 3}};
    for (const auto& row : rows) {
        const BatchRun r = batch(row.mode, kThreeTexts, {"--set", "frameType=7"}); // 四角延長 → 四角
        EXPECT_EQ(r.exitCode, 0) << row.mode << r.err;
        EXPECT_EQ(countOf(r.records, "lc"), row.frames) << row.mode;
        EXPECT_EQ(countOf(r.records, " "), 4 * row.frames) << row.mode;
        // The texts are the host's already: no text, tip, leader or closing records.
        EXPECT_EQ(countOf(r.records, "ch"), 0u) << row.mode;
        EXPECT_EQ(countOf(r.records, "cn"), 0u) << row.mode;
    }
}

TEST(SelectionBatch, OneSelectedTextIsEnough)
{
    for (const char* mode : {"T2", "T3"}) {
        const BatchRun r = batch(mode, {"ch 0 0 12 0 \"A"}, {"--set", "frameType=2"});
        EXPECT_EQ(r.exitCode, 0) << mode << r.err;
        EXPECT_EQ(countOf(r.records, " "), 4u) << mode;
    }
}

TEST(SelectionBatch, NoTextRecordWritesTheAttributesOnly)
{
    for (const char* mode : {"T2", "T3"}) {
        const BatchRun r = batch(mode, {"lg0", "ci 0 0 5"}, {"--set", "frameType=2"});
        EXPECT_EQ(r.exitCode, 0) << mode << r.err;
        EXPECT_EQ(countOf(r.records, "lc") + countOf(r.records, " "), 0u) << mode;
        EXPECT_EQ(countOf(r.records, "lt1"), std::string(mode) == "T2" ? 1u : 2u) << mode; // T3 re-reads at "lg"
    }
}

TEST(SelectionBatch, FramingEachTextOpensWithTheWriteGroupOnly)
{
    // The host's own group record is no record being framed: it brings no scale ratio of its own.
    const struct {
        const char* writeGroup;
        Lines prologue;
    } rows[] = {{"writeGroup=0", {"lt1", "ly0"}}, {"writeGroup=3", {"lg2", "by1", "lt1", "ly0"}}};
    for (const auto& row : rows) {
        const BatchRun r = batch("T3", {"ch 0 0 12 0 \"A"}, {"--set", "frameType=2", "--set", row.writeGroup});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        const auto frame = std::find(r.records.begin(), r.records.end(), "lc1");
        EXPECT_EQ(Lines(r.records.begin(), frame), row.prologue) << row.writeGroup;
    }
}

TEST(SelectionBatch, ABrokenRecordShowsTheConversionMessageAndKeepsWhatCameBefore)
{
    const BatchRun r = batch("T3", {"ch 0 0 12 0 \"A", "ch 1 2 \"B", "ch 0 0 12 0 \"C"}, {"--set", "frameType=2"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("変換"), std::string::npos) << r.err;
    EXPECT_EQ(countOf(r.records, " "), 4u); // the first text's frame
}

TEST(SelectionBatch, ASecondRunRefusesTheProcessedFileAndWritesNothing)
{
    for (const char* mode : {"T1", "T2", "T3"}) {
        Folder f(Folder::withDataFiles);
        f.write("jwc_temp.txt", selection(kThreeTexts));
        const BatchRun first = batchIn(f, mode);
        ASSERT_EQ(first.exitCode, 0) << mode << first.err;
        const std::string processed = f.bytes("jwc_temp.txt");

        const BatchRun again = batchIn(f, mode);
        EXPECT_EQ(again.exitCode, 1) << mode;
        EXPECT_EQ(again.err, "info: jwc_temp.txt が変形済みです\n") << mode;
        EXPECT_EQ(again.out, "") << mode;
        EXPECT_EQ(f.bytes("jwc_temp.txt"), processed) << mode;
    }
}

} // namespace
} // namespace tagler
