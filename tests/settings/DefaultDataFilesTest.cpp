#include "settings/BasicSettingsPattern.h"
#include "settings/PersistentState.h"

#include "SettingsTestSupport.h"
#include "base/CodePage.h"
#include "base/Number.h"

namespace tagler {
namespace {

std::string dataFile(const std::string& name) { return std::string(TAGLER_SOURCE_DATA) + "/" + name; }

// Every line ended by CR LF, no stray CR or LF, every character a CP932 one.
void expectCp932WithCrLf(const std::string& name)
{
    SCOPED_TRACE(name);
    const std::string bytes = test::fileBytes(dataFile(name));
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "bare CR at " << i;
        }
        if (bytes[i] == '\n') {
            EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at " << i;
        }
    }
    for (const std::string& line : readLines(dataFile(name)))
        EXPECT_EQ(toCp932Strict(fromCp932(line)), line) << toUtf8(line);
}

TEST(DefaultDataFiles, AreCp932WithCrLf)
{
    for (const char* name : {"PLDATA.tx", "PKDATA.tx", "SENTAKUMEMO.TX", "PJDATA.tx", "PMDATA1.tx"})
        expectCp932WithCrLf(name);
}

TEST(DefaultDataFiles, PersistentStateLoadsWithoutRewrite)
{
    Lines list = readLines(dataFile(kPersistentStateFileName));
    ASSERT_EQ(list.size(), kPersistentStateLineCount);
    for (std::size_t i = 0; i < list.size(); ++i)
        if (i != 11 && i != 20) { // the folder and the font name are text
            EXPECT_NO_THROW(parseDecimal(list[i])) << "line " << i;
        }

    AnnotationSettings s;
    SessionExtras x;
    EXPECT_FALSE(applyPersistentState(list, s, x));
    EXPECT_EQ(s.tipSymbol, 5); // 矢印２
    EXPECT_EQ(s.frameType, 1); // 下線
    EXPECT_EQ(s.selectedPattern, 0);
    EXPECT_EQ(s.chosenFontName, AnnotationSettings::defaultFontName());
    EXPECT_EQ(x.currentPage, 1);
    EXPECT_EQ(x.textBookFolder, "");
}

TEST(DefaultDataFiles, BasicSettingsAreTheDefaultsARepairWrites)
{
    const Lines lines = readLines(dataFile(kBasicSettingsFileName));
    ASSERT_TRUE(basicSettingsAccepted(lines));
    EXPECT_EQ(lines, defaultBasicSettingsLines());
    for (int p = 0; p < kPatternCount; ++p) {
        SCOPED_TRACE(p);
        AnnotationSettings s;
        s.windowColorIndex = 0;
        PatternNames names;
        applyBasicSettingsPattern(lines, p, s, true, names);
        EXPECT_EQ(s.arrowLength, 20);
        EXPECT_EQ(s.windowColorIndex, kMoneyGreenIndex);
        EXPECT_EQ(s.dotRadius, 5);
        EXPECT_EQ(names, defaultPatternNames());
    }
}

TEST(DefaultDataFiles, MemosTableOfContentsAndFirstPageHaveTheirLineCounts)
{
    const Lines memos = readLines(dataFile("SENTAKUMEMO.TX"));
    ASSERT_EQ(memos.size(), 11u);
    for (std::size_t i = 0; i < 10; ++i)
        EXPECT_EQ(toUtf8(memos[i]), "保存右クリックで登録");
    EXPECT_EQ(memos[10], "1");

    const Lines toc = readLines(dataFile("PJDATA.tx"));
    ASSERT_EQ(toc.size(), 20u);
    EXPECT_FALSE(toc[0].empty());

    const Lines page = readLines(dataFile("PMDATA1.tx"));
    ASSERT_EQ(page.size(), 180u);
    int blocksUsed = 0;
    for (std::size_t block = 0; block < 36; ++block) {
        blocksUsed += page[5 * block].empty() ? 0 : 1;
        for (std::size_t i = 0; i < 5; ++i)
            EXPECT_LE(page[5 * block + i].size(), 70u) << "block " << block << " line " << i;
    }
    EXPECT_GT(blocksUsed, 0);
}

} // namespace
} // namespace tagler
