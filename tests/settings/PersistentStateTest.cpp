#include "settings/PersistentState.h"

#include "SettingsTestSupport.h"
#include "base/CodePage.h"

namespace tagler {
namespace {

using test::fixture;
using test::kindRaisedBy;

Lines fullState() { return readLines(fixture("pl_full.tx")); }

TEST(PersistentState, ReadsEveryLineOfAStoredState)
{
    Lines list = fullState();
    AnnotationSettings s;
    SessionExtras x;
    EXPECT_FALSE(applyPersistentState(list, s, x));

    EXPECT_EQ(s.tipSymbol, 6);
    EXPECT_EQ(s.lineType, 2);
    EXPECT_EQ(s.frameType, 7);
    EXPECT_EQ(s.attachPosition, 2);
    EXPECT_EQ(x.currentPage, 7);
    EXPECT_EQ(s.copyMode, 1);
    EXPECT_EQ(s.textType, 3);
    EXPECT_EQ(s.extensionLength, 15);
    EXPECT_EQ(s.extensionLengthMode, 1);
    EXPECT_EQ(s.textSlide, 2);
    EXPECT_EQ(s.selectedPattern, 4);
    EXPECT_EQ(x.textBookFolder, sjis("\\注釈\\建具"));
    EXPECT_TRUE(s.useEmbeddedText);
    EXPECT_EQ(s.imeStartMode, 2);
    EXPECT_EQ(s.fontSwitch, -1);
    EXPECT_EQ(x.windowLeft, "320");
    EXPECT_EQ(x.windowTop, "-48");
    EXPECT_EQ(s.fillColor, 255);
    EXPECT_EQ(s.fillColorIndex, 4);
    EXPECT_TRUE(s.fillInside);
    EXPECT_EQ(s.chosenFontName, sjis("ＩＰＡゴシック"));
    EXPECT_TRUE(s.tiltFrame);
    EXPECT_TRUE(s.textCenterBase);
    EXPECT_EQ(s.continuous, 7);
    EXPECT_TRUE(s.fixedLeaderLength);
    EXPECT_EQ(s.rememberedLeaderLength, "12.5");
    EXPECT_EQ(list, fullState());
}

struct FixtureCase {
    const char* file;
    bool accepted;
    std::optional<ErrorKind> error;
    bool rewriteNeeded;
};

TEST(PersistentState, AcceptsOrRefusesFilesAsStored)
{
    const FixtureCase cases[] = {
        {"pl_full.tx", true, std::nullopt, false},
        {"pl_25lines.tx", true, std::nullopt, true},
        {"pl_short24.tx", false, ErrorKind::Range, false},
        {"pl_nonnumeric.tx", true, ErrorKind::Conversion, false},
        {"pl_fontswitch200.tx", true, ErrorKind::Range, false},
        {"pl_frame15.tx", true, ErrorKind::Range, false},
        {"pl_window_empty.tx", true, std::nullopt, false},
        {"pl_font000.tx", true, std::nullopt, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const Lines original = readLines(fixture(c.file));
        Lines list = original;
        EXPECT_EQ(persistentStateAccepted(list), c.accepted);

        AnnotationSettings s;
        SessionExtras x;
        bool rewrite = false;
        EXPECT_EQ(kindRaisedBy([&] { rewrite = applyPersistentState(list, s, x); }), c.error);
        EXPECT_EQ(rewrite, c.rewriteNeeded);
        if (c.error) { // a refused file changes nothing
            EXPECT_EQ(list, original);
            test::expectSameSessionSettings(s, AnnotationSettings{});
            EXPECT_EQ(x.currentPage, 1);
        }
    }
}

TEST(PersistentState, PadsATwentyFiveLineFileWithZerosForTheRewrite)
{
    const Lines original = readLines(fixture("pl_25lines.tx"));
    Lines list = original;
    AnnotationSettings s;
    SessionExtras x;
    ASSERT_TRUE(applyPersistentState(list, s, x));

    ASSERT_EQ(list.size(), 30u);
    EXPECT_TRUE(std::equal(original.begin(), original.end(), list.begin()));
    for (std::size_t i = 25; i < 30; ++i)
        EXPECT_EQ(list[i], "0") << i;
    EXPECT_EQ(s.rememberedLeaderLength, "0");
    EXPECT_EQ(s.tipSymbol, 6);
}

TEST(PersistentState, EmptyWindowPositionBecomesZeroInTheList)
{
    Lines list = readLines(fixture("pl_window_empty.tx"));
    AnnotationSettings s;
    SessionExtras x;
    applyPersistentState(list, s, x);
    EXPECT_EQ(x.windowLeft, "0");
    EXPECT_EQ(x.windowTop, "0");
    EXPECT_EQ(list[16], "0");
    EXPECT_EQ(list[17], "0");
}

// One line of an otherwise valid state, and what it reads as.
struct LineCase {
    std::size_t line;
    const char* stored;
    std::function<void(const AnnotationSettings&)> check;
    std::optional<ErrorKind> error;
};

TEST(PersistentState, StoredFormsOfSingleLines)
{
    auto fill = [](int index, bool inside) {
        return [=](const AnnotationSettings& s) {
            EXPECT_EQ(s.fillColorIndex, index);
            EXPECT_EQ(s.fillInside, inside);
        };
    };
    auto continuous = [](int v) { return [=](const AnnotationSettings& s) { EXPECT_EQ(s.continuous, v); }; };
    auto ime = [](int v) { return [=](const AnnotationSettings& s) { EXPECT_EQ(s.imeStartMode, v); }; };
    auto font = [](std::string v) { return [=](const AnnotationSettings& s) { EXPECT_EQ(s.chosenFontName, v); }; };
    auto extension = [](int v) { return [=](const AnnotationSettings& s) { EXPECT_EQ(s.extensionLength, v); }; };
    auto embedded = [](bool v) { return [=](const AnnotationSettings& s) { EXPECT_EQ(s.useEmbeddedText, v); }; };
    auto tilt = [](bool v) { return [=](const AnnotationSettings& s) { EXPECT_EQ(s.tiltFrame, v); }; };
    auto fixedLength = [](bool v) { return [=](const AnnotationSettings& s) { EXPECT_EQ(s.fixedLeaderLength, v); }; };
    auto none = [](const AnnotationSettings&) {};
    const std::string gothic = AnnotationSettings::defaultFontName();

    const LineCase cases[] = {
        {19, "5", fill(4, false), {}},
        {19, "-5", fill(4, true), {}},
        {19, "1", fill(0, false), {}},
        {19, "-21", fill(20, true), {}},
        {19, "0", fill(0, false), {}}, // a box that had no selection
        {19, "22", none, ErrorKind::Range},
        {19, "-2147483648", none, ErrorKind::Range},
        {23, "0", continuous(0), {}},
        {23, "1", continuous(1), {}},
        {23, "10", continuous(10), {}},
        {23, "11", continuous(11), {}},
        {23, "12", continuous(11), {}},
        {23, "x", continuous(11), {}},
        {14, "0", ime(0), {}},
        {14, "-1", ime(0), {}},
        {14, "4", ime(4), {}},
        {14, "5", none, ErrorKind::Range},
        {14, "hira", none, ErrorKind::Conversion},
        {20, "000", font(gothic), {}},
        {20, "0", font(gothic), {}},
        {20, "", font(gothic), {}},
        {20, "Noto Sans Mono CJK JP", font("Noto Sans Mono CJK JP"), {}},
        {7, "150", extension(99), {}}, // the spin edit's limit
        {7, "-3", extension(0), {}},
        {13, " 1", embedded(true), {}},
        {13, "2", embedded(false), {}},
        {13, "", none, ErrorKind::Conversion},
        {21, "2", tilt(false), {}},
        {24, "0", fixedLength(false), {}},
        {24, "x", fixedLength(true), {}},
        {15, "-128", none, {}},
        {15, "128", none, ErrorKind::Range},
        {16, "left", none, ErrorKind::Conversion},
        {18, "4294967295", none, ErrorKind::Conversion},
        {0, "8", none, ErrorKind::Range},
        {4, "0", none, ErrorKind::Range},
        {4, "21", none, ErrorKind::Range},
        {10, "6", none, ErrorKind::Range},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "line " << c.line << " = '" << c.stored << "'");
        Lines list = fullState();
        list[c.line] = c.stored;
        AnnotationSettings s;
        SessionExtras x;
        EXPECT_EQ(kindRaisedBy([&] { applyPersistentState(list, s, x); }), c.error);
        if (!c.error)
            c.check(s);
    }
}

TEST(PersistentState, SlotReleaseKeepsTheOpenTextBook)
{
    Lines list = fullState();
    list[4] = "not read";
    AnnotationSettings s;
    SessionExtras x;
    x.currentPage = 3;
    x.textBookFolder = "\\other";
    applyPersistentState(list, s, x, PersistentStateScope::settingsOnly);
    EXPECT_EQ(x.currentPage, 3);
    EXPECT_EQ(x.textBookFolder, "\\other");
    EXPECT_EQ(s.tipSymbol, 6);
}

TEST(PersistentState, RememberedLengthSurvivesASlotRelease)
{
    Lines list = fullState();
    AnnotationSettings s;
    SessionExtras x;
    applyPersistentState(list, s, x);
    rememberLeaderLength(list, s, "8.25");
    s.tipSymbol = 0; // a slot's settings
    applyPersistentState(list, s, x, PersistentStateScope::settingsOnly);
    EXPECT_EQ(s.rememberedLeaderLength, "8.25");
    EXPECT_EQ(s.tipSymbol, 6);
}

TEST(PersistentState, RegisteringWritesTheStoredFormsAndClearsTheLengthLines)
{
    Lines list = fullState();
    AnnotationSettings s;
    SessionExtras x;
    applyPersistentState(list, s, x);
    s.tipSymbol = 4;
    s.useEmbeddedText = false;
    s.imeStartMode = 3;
    s.fontSwitch = 0;
    s.fillColorIndex = 0;
    s.fillInside = false;
    s.chosenFontName.clear();
    s.tiltFrame = false;
    s.textCenterBase = false;
    s.continuous = 2;
    x.currentPage = 12;
    x.windowLeft = "15";

    storeSessionSettings(list, s, x);

    const Lines expected{"4",   "2",  "7",
                         "2",   "12", "1",
                         "3",   "15", "1",
                         "2",   "4",  sjis("\\注釈\\建具"),
                         "0",   "0",  "3",
                         "0",   "15", "-48",
                         "255", "1",  sjis("ＭＳ ゴシック"),
                         "0",   "0",
                         "7", // 連続 is saved on exit only
                         "0",   "0",  "0",
                         "0",   "0",  "0"};
    EXPECT_EQ(list, expected);
    EXPECT_EQ(s.rememberedLeaderLength, "0");
    EXPECT_TRUE(s.fixedLeaderLength); // the check box itself stays
}

TEST(PersistentState, RegisterThenExitLeavesLengthZeroAndTheCheckBoxState)
{
    for (bool fixed : {false, true}) {
        SCOPED_TRACE(fixed);
        Lines list = fullState();
        AnnotationSettings s;
        SessionExtras x;
        applyPersistentState(list, s, x);
        s.fixedLeaderLength = fixed;
        storeSessionSettings(list, s, x);
        x.currentPage = 9;
        x.textBookFolder = "\\b";
        x.windowTop = "77";
        s.continuous = 11;
        ASSERT_TRUE(storeExitState(list, s, x));

        EXPECT_EQ(list[25], "0");
        EXPECT_EQ(list[24], fixed ? "1" : "0");
        EXPECT_EQ(list[4], "9");
        EXPECT_EQ(list[11], "\\b");
        EXPECT_EQ(list[17], "77");
        EXPECT_EQ(list[23], "11");
    }
}

TEST(PersistentState, RoundTripKeepsTheOpenTextBookAndTheWindowPlace)
{
    const SessionExtras in{20, sjis("\\図面\\詳細"), "-1200", "2400"};
    AnnotationSettings s;
    Lines list(30, "0");
    storeSessionSettings(list, s, in);
    ASSERT_TRUE(storeExitState(list, s, in));

    SessionExtras out;
    EXPECT_FALSE(applyPersistentState(list, s, out));
    EXPECT_EQ(out.currentPage, in.currentPage);
    EXPECT_EQ(out.textBookFolder, in.textBookFolder);
    EXPECT_EQ(out.windowLeft, in.windowLeft);
    EXPECT_EQ(out.windowTop, in.windowTop);
}

TEST(PersistentState, ValuesThatCannotBeStoredLeaveTheListAlone)
{
    const Lines original = fullState();
    struct Case {
        const char* what;
        std::function<void(AnnotationSettings&, SessionExtras&)> spoil;
        ErrorKind kind;
    };
    const Case cases[] = {
        {"page", [](AnnotationSettings&, SessionExtras& x) { x.currentPage = 0; }, ErrorKind::Range},
        {"folder", [](AnnotationSettings&, SessionExtras& x) { x.textBookFolder = "\\a\r\nb"; }, ErrorKind::Conversion},
        {"font", [](AnnotationSettings& s, SessionExtras&) { s.chosenFontName = "A\nB"; }, ErrorKind::Conversion},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        AnnotationSettings s;
        SessionExtras x;
        c.spoil(s, x);
        Lines list = original;
        EXPECT_EQ(kindRaisedBy([&] { storeSessionSettings(list, s, x); }), c.kind);
        EXPECT_EQ(list, original);
    }
}

} // namespace
} // namespace tagler
