#include "settings/BasicSettingsPattern.h"

#include "SettingsTestSupport.h"
#include "base/CodePage.h"
#include "settings/ColourItems.h"

namespace tagler {
namespace {

using test::fixture;
using test::kindRaisedBy;

Lines validPatterns() { return readLines(fixture("pk_valid.tx")); }

TEST(BasicSettingsPattern, AcceptsOnlyExactly126Lines)
{
    const struct {
        const char* file;
        bool accepted;
    } cases[] = {{"pk_valid.tx", true}, {"pk_125.tx", false}, {"pk_127.tx", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const Lines lines = readLines(fixture(c.file));
        EXPECT_EQ(basicSettingsAccepted(lines), c.accepted);
        AnnotationSettings s;
        PatternNames names = defaultPatternNames();
        const auto raised = kindRaisedBy([&] { applyBasicSettingsPattern(lines, 0, s, true, names); });
        EXPECT_EQ(raised, c.accepted ? std::optional<ErrorKind>{} : ErrorKind::Range);
        if (!c.accepted) {
            EXPECT_EQ(names, defaultPatternNames());
        }
    }
}

TEST(BasicSettingsPattern, ReadsEveryOffsetOfTheSelectedBlock)
{
    AnnotationSettings s;
    PatternNames names = defaultPatternNames();
    applyBasicSettingsPattern(validPatterns(), 1, s, false, names);

    EXPECT_EQ(s.arrowLength, 35);
    EXPECT_EQ(s.leaderColor, 3);
    EXPECT_EQ(s.lineSpacing, -2);
    EXPECT_EQ(s.arrowColor, 1);
    EXPECT_EQ(s.extensionColor, 2);
    EXPECT_EQ(s.fillGap, 4);
    EXPECT_EQ(s.frameGapVertical, -9);
    EXPECT_EQ(s.frameGapHorizontal, 99);
    EXPECT_EQ(s.dotColor, 5);
    EXPECT_EQ(s.frameColor, 6);
    EXPECT_EQ(s.writeGroup, 16);
    EXPECT_EQ(s.lineLayer, 1);
    EXPECT_EQ(s.textLayer, 15);
    EXPECT_EQ(s.arrowAngle, 9);
    EXPECT_EQ(s.windowColor, 15793151);
    EXPECT_EQ(s.windowColorIndex, 19);
    EXPECT_EQ(s.dotRadius, 27);
    EXPECT_EQ(s.detectionRange, 0);
    EXPECT_FALSE(s.noFrameGap);
    EXPECT_EQ(names, defaultPatternNames()) << "names are read only when the list is renamed";

    applyBasicSettingsPattern(validPatterns(), 0, s, true, names);
    EXPECT_EQ(s.arrowLength, 20);
    EXPECT_EQ(s.windowColorIndex, kMoneyGreenIndex);
    EXPECT_EQ(s.dotRadius, 5);
    EXPECT_TRUE(s.noFrameGap);
    EXPECT_EQ(names[0], sjis("標準"));
    EXPECT_EQ(names[1], sjis("平面詳細図用　縮尺１／５０"));
    EXPECT_EQ(names[2], "");
    EXPECT_EQ(names[5], sjis("基本設定 6"));
}

TEST(BasicSettingsPattern, ZeroWindowColourSelectsMoneyGreen)
{
    AnnotationSettings s;
    PatternNames names;
    applyBasicSettingsPattern(readLines(fixture("pk_window_zero.tx")), 1, s, false, names);
    EXPECT_EQ(s.windowColorIndex, kMoneyGreenIndex);
    EXPECT_EQ(s.windowColor, 0);
}

// Pattern 1 of the valid file with one offset replaced.
struct OffsetCase {
    std::size_t offset;
    const char* stored;
    std::function<void(const AnnotationSettings&)> check;
    std::optional<ErrorKind> error;
};

TEST(BasicSettingsPattern, StoredFormsOfSingleOffsets)
{
    auto radius = [](int v) { return [=](const AnnotationSettings& s) { EXPECT_EQ(s.dotRadius, v); }; };
    auto window = [](int index) { return [=](const AnnotationSettings& s) { EXPECT_EQ(s.windowColorIndex, index); }; };
    auto arrow = [](int v) { return [=](const AnnotationSettings& s) { EXPECT_EQ(s.arrowLength, v); }; };
    auto spacing = [](int v) { return [=](const AnnotationSettings& s) { EXPECT_EQ(s.lineSpacing, v); }; };
    auto gap = [](bool v) { return [=](const AnnotationSettings& s) { EXPECT_EQ(s.noFrameGap, v); }; };
    auto none = [](const AnnotationSettings&) {};

    const OffsetCase cases[] = {
        {16, "05", radius(5), {}},
        {16, "90", radius(90), {}},
        {16, "5", radius(55), {}}, // first and last character are the same one
        {16, "123", radius(13), {}},
        {16, "", none, ErrorKind::Conversion},
        {16, "x5", none, ErrorKind::Conversion},
        {16, "5 ", none, ErrorKind::Conversion},
        {16, "\x82\x54", none, ErrorKind::Conversion}, // a full-width 5
        {15, "0", window(0), {}},
        {15, "21", none, ErrorKind::Range},
        {14, "green", none, ErrorKind::Conversion},
        {0, "0", arrow(1), {}}, // the spin edit's limits
        {0, "61", arrow(60), {}},
        {2, "-10", spacing(-9), {}},
        {0, "2O", none, ErrorKind::Conversion},
        {1, "9", none, ErrorKind::Range},
        {10, "17", none, ErrorKind::Range},
        {13, "10", none, ErrorKind::Range},
        {17, "4", none, ErrorKind::Range},
        {18, "1", gap(true), {}},
        {18, "2", gap(false), {}},
        {19, "anything", none, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "offset " << c.offset << " = '" << c.stored << "'");
        Lines lines = validPatterns();
        lines[20 + c.offset] = c.stored;
        AnnotationSettings s;
        PatternNames names;
        EXPECT_EQ(kindRaisedBy([&] { applyBasicSettingsPattern(lines, 1, s, false, names); }), c.error);
        if (c.error)
            test::expectSameBasicSettings(s, AnnotationSettings{});
        else
            c.check(s);
    }
}

TEST(BasicSettingsPattern, OnlyTheSelectedBlockIsConverted)
{
    const Lines lines = readLines(fixture("pk_dot_nonnumeric.tx"));
    AnnotationSettings s;
    PatternNames names;
    EXPECT_EQ(kindRaisedBy([&] { applyBasicSettingsPattern(lines, 0, s, true, names); }), std::nullopt);
    EXPECT_EQ(kindRaisedBy([&] { applyBasicSettingsPattern(lines, 1, s, true, names); }), ErrorKind::Conversion);
    EXPECT_EQ(kindRaisedBy([&] { applyBasicSettingsPattern(lines, 6, s, true, names); }), ErrorKind::Range);
}

AnnotationSettings unusualBasicSettings()
{
    AnnotationSettings s;
    s.arrowLength = 60;
    s.leaderColor = 8;
    s.lineSpacing = -9;
    s.arrowColor = 7;
    s.extensionColor = 6;
    s.fillGap = 10;
    s.frameGapVertical = 99;
    s.frameGapHorizontal = -9;
    s.dotColor = 4;
    s.frameColor = 3;
    s.writeGroup = 16;
    s.lineLayer = 9;
    s.textLayer = 1;
    s.arrowAngle = 0;
    s.windowColor = 15793151;
    s.windowColorIndex = 0;
    s.dotRadius = 99;
    s.detectionRange = 3;
    s.noFrameGap = false;
    return s;
}

TEST(BasicSettingsPattern, RegisteringTouchesOnlyItsBlockAndTheNames)
{
    const Lines before = validPatterns();
    Lines lines = before;
    PatternNames names;
    AnnotationSettings ignored;
    applyBasicSettingsPattern(lines, 0, ignored, true, names);

    storeBasicSettingsPattern(lines, 4, unusualBasicSettings(), names, "");
    const Lines block(lines.begin() + 80, lines.begin() + 100);
    EXPECT_EQ(block, (Lines{"60", "8", "-9", "7", "6",        "10", "99", "-9", "4", "3",
                            "16", "9", "1",  "0", "15793151", "0",  "99", "3",  "0", "0"}));
    for (std::size_t i = 0; i < kBasicSettingsLineCount; ++i)
        if (i < 80 || i >= 100) {
            EXPECT_EQ(lines[i], before[i]) << i;
        }
}

TEST(BasicSettingsPattern, ApplyingGivesBackTheRegisteredWindowColour)
{
    const struct {
        const char* name;
        int index;
        std::int32_t custom;
    } rows[] = {
        {"custom colour", kCustomColourItem, 4210752},
        {"standard colour, no custom one", 9, 0},
        {"standard colour beside a custom one", 10, 4210752},
        {"extended colour", 19, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        AnnotationSettings s;
        s.windowColorIndex = row.index;
        s.windowColor = row.custom;
        Lines lines = validPatterns();
        PatternNames names;
        storeBasicSettingsPattern(lines, 2, s, names, "");
        AnnotationSettings applied;
        applyBasicSettingsPattern(lines, 2, applied, false, names);
        EXPECT_EQ(applied.windowColorIndex, row.index);
        EXPECT_EQ(colourItemValue(applied.windowColorIndex, applied.windowColor),
                  colourItemValue(row.index, row.custom));
    }
}

TEST(BasicSettingsPattern, EmptyNameKeepsTheOldOneAndANewNameReplacesIt)
{
    const std::string longName = sjis("あいうえおかきくけこさしすせそたちつてとなにぬねのはひふ"); // 28
    const struct {
        const char* what;
        std::string typed;
        std::string stored;
    } cases[] = {
        {"empty", "", sjis("平面詳細図用　縮尺１／５０")},
        {"new", sjis("立面図"), sjis("立面図")},
        {"blank is a name", " ", " "},
        {"cut to the box", longName, longName.substr(0, 48)},
        {"half-width cut", std::string(30, 'a'), std::string(24, 'a')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Lines lines = validPatterns();
        PatternNames names;
        AnnotationSettings s;
        applyBasicSettingsPattern(lines, 1, s, true, names);
        storeBasicSettingsPattern(lines, 1, s, names, c.typed);
        EXPECT_EQ(names[1], c.stored);
        EXPECT_EQ(lines[121], c.stored);
        EXPECT_EQ(lines[120], sjis("標準"));
    }
}

TEST(BasicSettingsPattern, RefusedNamesAndValuesChangeNothing)
{
    const Lines before = validPatterns();
    Lines lines = before;
    PatternNames names = defaultPatternNames();
    AnnotationSettings s;
    EXPECT_EQ(kindRaisedBy([&] { storeBasicSettingsPattern(lines, 2, s, names, "a\r\nb"); }), ErrorKind::Conversion);
    s.dotRadius = 100;
    EXPECT_EQ(kindRaisedBy([&] { storeBasicSettingsPattern(lines, 2, s, names, "x"); }), ErrorKind::Range);
    EXPECT_EQ(lines, before);
    EXPECT_EQ(names, defaultPatternNames());
}

TEST(BasicSettingsPattern, RegisteringRepairsAMissingOrRefusedFile)
{
    for (const char* file : {"pk_125.tx", "pk_127.tx", ""}) {
        SCOPED_TRACE(file);
        Lines lines = *file ? readLines(fixture(file)) : Lines{};
        PatternNames names = defaultPatternNames();
        storeBasicSettingsPattern(lines, 3, unusualBasicSettings(), names, sjis("詳細"));

        ASSERT_TRUE(basicSettingsAccepted(lines));
        AnnotationSettings untouched;
        untouched.windowColor = 0; // no custom colour; the index still picks money green
        for (int p = 0; p < kPatternCount; ++p) {
            AnnotationSettings s;
            PatternNames read;
            applyBasicSettingsPattern(lines, p, s, true, read);
            test::expectSameBasicSettings(s, p == 3 ? unusualBasicSettings() : untouched);
            EXPECT_EQ(read[3], sjis("詳細"));
            EXPECT_EQ(read[0], sjis("基本設定 1"));
        }
    }
}

} // namespace
} // namespace tagler
