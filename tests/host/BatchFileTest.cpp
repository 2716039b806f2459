#include "host/BatchFile.h"
#include "base/CodePage.h"
#include "host/BatchCheck.h"
#include "host/RangeSelection.h"
#include "render/HostSheet.h"

#include <QFile>

#include <gtest/gtest.h>

#include <functional>

namespace tagler::host {
namespace {

std::string shipped(SessionMode mode)
{
    QFile f(QStringLiteral(TAGLER_SHIPPED_BATCHES "/") + QString::fromUtf8(traits(mode).batchFile));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << f.fileName().toStdString();
    return f.readAll().toStdString();
}

std::string joined(const std::vector<std::string>& faults)
{
    std::string all;
    for (const std::string& f : faults)
        all += f + "\n";
    return all;
}

// Replaces the first line holding `from` (CP932) by `to`; "" drops the line.
std::string edited(const std::string& batch, const std::string& from, const std::string& to)
{
    const std::size_t at = batch.find(from);
    if (at == std::string::npos)
        return batch;
    const std::size_t begin = batch.rfind("\r\n", at) == std::string::npos ? 0 : batch.rfind("\r\n", at) + 2;
    const std::size_t end = batch.find("\r\n", at) + 2;
    return batch.substr(0, begin) + (to.empty() ? "" : to + "\r\n") + batch.substr(end);
}

TEST(BatchFileTest, ShippedBatchesAreTheModeTableAndPassTheHostsReading)
{
    for (int m = 0; m < kSessionModeCount; ++m) {
        const auto mode = static_cast<SessionMode>(m);
        SCOPED_TRACE(traits(mode).batchFile);
        const std::string text = shipped(mode);
        EXPECT_EQ(text, modeBatchText(mode)) << "regenerate with tagler-host write-batches host";
        EXPECT_EQ(joined(checkBatch(text)), "");

        const BatchFile b = readBatch(text);
        EXPECT_EQ(toUtf8(b.description), traits(mode).batchDescription);
        EXPECT_EQ(batchMode(b), mode);
        std::vector<std::string> asked;
        for (const BatchDirective& d : b.directives)
            if (pointNumber(d) > 0)
                asked.push_back(toUtf8(d.text) + (isRubberBand(d) ? "-" : ""));
        std::vector<std::string> table;
        for (const AskedPoint& p : traits(mode).points)
            table.push_back(std::string(p.prompt) + (p.rubberBand ? "-" : ""));
        EXPECT_EQ(asked, table);
        EXPECT_EQ(hasDirective(b, "h3"), traits(mode).handsOverSelection);
    }
}

TEST(BatchFileTest, CheckRefusesEveryBrokenCopy)
{
    const struct {
        const char* name;
        std::function<std::string(const std::string&)> broken;
        const char* fault; // part of the fault line
    } cases[] = {
        {"no #jww", [](const std::string& b) { return edited(b, "#jww", ""); }, "no #jww"},
        {"no #cd", [](const std::string& b) { return edited(b, "#cd", ""); }, "no #cd"},
        {"no #e", [](const std::string& b) { return edited(b, "#e", ""); }, "no #e"},
        {"#jw for #jww", [](const std::string& b) { return edited(b, "#jww", "REM #jw"); }, "#jw adds or removes"},
        {"#hf added", [](const std::string& b) { return edited(b, "#cd", "REM #cd\r\nREM #hf"); }, "#hf adds"},
        {"#zs added", [](const std::string& b) { return edited(b, "#cd", "REM #cd\r\nREM #zs"); }, "#zs adds"},
        {"#bz added", [](const std::string& b) { return edited(b, "#cd", "REM #cd\r\nREM #bz"); }, "#bz adds"},
        {"'#' past byte 10", [](const std::string& b) { return edited(b, "#cd", "REM        #cd"); }, "past byte 10"},
        {"LF line ends",
         [](const std::string& b) {
             std::string lf;
             for (char c : b)
                 if (c != '\r')
                     lf += c;
             return lf;
         },
         "lone CR or LF"},
        {"UTF-8", [](const std::string& b) { return toUtf8(b); }, "not CP932"},
        {"no description", [](const std::string& b) { return b.substr(b.find("\r\n") + 2); }, "no REM description"},
        {"another program", [](const std::string& b) { return edited(b, "tagler.exe", "\"%~dp0other.exe\""); },
         "does not start tagler.exe"},
        {"a directive after the program", [](const std::string& b) { return b + "REM #g1\r\n"; }, "after #e"},
    };
    for (int m = 0; m < kSessionModeCount; ++m) {
        const auto mode = static_cast<SessionMode>(m);
        const std::string good = shipped(mode);
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(traits(mode).batchFile) + ": " + c.name);
            const std::string faults = joined(checkBatch(c.broken(good)));
            EXPECT_NE(faults.find(c.fault), std::string::npos) << faults;
        }
        // A point or the selection removed, or a rubber band moved: the mode reads the wrong lines.
        SCOPED_TRACE(traits(mode).batchFile);
        const std::string lost = traits(mode).handsOverSelection ? "#h3" : "#1 ";
        EXPECT_NE(joined(checkBatch(edited(good, lost, ""))), "");
        if (!traits(mode).handsOverSelection) {
            const std::size_t n = traits(mode).points.size();
            const std::string last = "#" + std::to_string(n) + "- ";
            const std::string faults = joined(checkBatch(edited(good, last, "REM #" + std::to_string(n) + " x")));
            EXPECT_NE(faults.find("needs #" + std::to_string(n) + "-"), std::string::npos) << faults;
            EXPECT_NE(joined(checkBatch(edited(good, "#e", "REM #h3\r\nREM #hc x\r\nREM #e"))), "");
        }
    }
}

TEST(BatchFileTest, ARangeSelectionHandsOverTextsWithTheAttributesThatChange)
{
    render::HostSheet sheet = render::defaultHostSheet();
    sheet.group = 1;
    sheet.textType = 3;
    sheet.font = "F";
    const Lines records = {"lg1",
                           "ly0",
                           "lc2",
                           " 0 0 40 30",
                           "cn3",
                           "cn\"$<F>",
                           "ch 1 2 3 0 \"A",
                           "lc3",
                           "ci 0 0 5",
                           "cc4",
                           "ch 5 6 3 0 \"B",
                           "lg2",
                           "cn5",
                           "cc4",
                           "ch 7 8 3 0 \"C",
                           "sl 0 0 1 1 2 0"};
    EXPECT_EQ(selectedTexts(records, sheet),
              (Lines{"lc2", "ch 1 2 3 0 \"A", "lc3", "cc4", "ch 5 6 3 0 \"B", "lg2", "cn5", "ch 7 8 3 0 \"C"}));
}

} // namespace
} // namespace tagler::host
