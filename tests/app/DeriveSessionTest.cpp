#include "app/DeriveSession.h"

#include "base/CodePage.h"
#include "base/Error.h"
#include "support/ExchangeFixture.h"

#include <gtest/gtest.h>

namespace tagler {
namespace {

using test::headerLines;
using test::HeaderSpec;

struct Derived {
    WriterInput in;
    std::vector<std::string> prologue;
};

Derived derive(const HeaderSpec& spec, const AnnotationSettings& settings, const std::vector<std::string>& utf8Lines,
               SessionMode mode = SessionMode::normal)
{
    const HostHeader h = parseHostHeader(headerLines(spec, mode), mode);
    Lines lines;
    for (const auto& l : utf8Lines)
        lines.push_back(sjis(l));
    OutputList out;
    Derived d{deriveSession(h, mode, settings, lines, out), out.records()};
    return d;
}

TEST(DeriveSession, PrologueForGroupLineTypeAndLayer)
{
    struct Case {
        int writeGroup;
        int lineType;
        int lineLayer;
        const char* scales;
        std::vector<std::string> prologue;
    };
    const Case cases[] = {
        {0, 0, 0, "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1", {"lt1", "ly0"}},
        // The host's own group chosen explicitly still writes lg and a ratio of 1.
        {1, 7, 11, "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1", {"lg0", "by1", "lt8", "lya"}},
        {3, 2, 16, "3 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1", {"lg2", "by0.333333343267441", "lt3", "lyf"}},
        {16, 0, 1, "50 100 1 1 1 1 1 1 1 1 1 1 1 1 1 200", {"lgf", "by4", "lt1", "ly0"}},
    };
    for (const Case& c : cases) {
        AnnotationSettings s;
        s.writeGroup = c.writeGroup;
        s.lineType = c.lineType;
        s.lineLayer = c.lineLayer;
        HeaderSpec spec;
        spec.scales = c.scales;
        EXPECT_EQ(derive(spec, s, {"a"}).prologue, c.prologue) << c.writeGroup;
    }
}

TEST(DeriveSession, ScaleIsTheHostGroupsIncludingHexGroups)
{
    HeaderSpec spec;
    spec.scales = "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16";
    spec.group = "lgB";
    EXPECT_EQ(derive(spec, {}, {"a"}).in.scale, 12.0f);
    spec.group = "lg3";
    EXPECT_EQ(derive(spec, {}, {"a"}).in.scale, 4.0f);
}

TEST(DeriveSession, LeaderVisibilityAgainstTheArrowSquare)
{
    struct Case {
        const char* p2;
        int arrowLength;
        const char* scales;
        bool visible;
    };
    const Case cases[] = {
        {"1 0", 20, "100 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1", false}, // A = 190
        {"189.9 -189.9", 20, "100 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1", false},
        {"190 0", 20, "100 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1", true},
        {"1.5 1.5", 20, "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1", false}, // A = 1.9
        {"2 0", 20, "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1", true},
        {"0 0", 1, "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1", true}, // A = 0 never hides
    };
    for (const Case& c : cases) {
        HeaderSpec spec;
        spec.p1 = "0 0";
        spec.p2 = c.p2;
        spec.scales = c.scales;
        AnnotationSettings s;
        s.arrowLength = c.arrowLength;
        EXPECT_EQ(derive(spec, s, {"a"}).in.leaderVisible, c.visible) << c.p2;
    }
}

TEST(DeriveSession, TextModePointsOneAndTwoCoincide)
{
    HeaderSpec spec;
    spec.p1 = "5 5";
    spec.p3 = "20 5";
    AnnotationSettings s;
    const Derived d = derive(spec, s, {"a"}, SessionMode::textMode);
    EXPECT_EQ(d.in.point1.x, d.in.point2.x);
    EXPECT_FALSE(d.in.leaderVisible);
    s.arrowLength = 1;
    EXPECT_TRUE(derive(spec, s, {"a"}, SessionMode::textMode).in.leaderVisible);
}

TEST(DeriveSession, MeasuresLinesAsTheHostWillDrawThem)
{
    struct Case {
        std::vector<std::string> lines;
        bool embedded;
        int maxLineBytes;
        int widestMark;
        int memo;
    };
    const Case cases[] = {
        {{}, false, 1, 0, 0},
        {{"AB^uCD"}, false, 4, 0, 0},
        {{"AB^uあCD"}, false, 5, 0, 0}, // a double-byte character after the code
        {{"データ1"}, false, 7, 0, 0},  // タ's trail byte is not a "^"
        {{"~~a long memo line"}, false, 1, 0, 1},
        {{"abc", "~~memo that is longer", "abcdef"}, false, 6, 0, 1},
        {{"^BWide", "narrow"}, false, 6, 0, 0},
        {{"x^Bwide text"}, false, 9, 1, 0},
        {{"x^bwide text"}, false, 9, 2, 0},
        {{"ab^3cdefgh"}, false, 5, 0, 0},
        {{"$2%y/%m/%d"}, true, 8, 0, 0},
        {{"$2=f"}, true, 10, 0, 0},
        {{"$2_F"}, true, 19, 0, 0},
        {{"$2=f"}, false, 4, 0, 0},
    };
    for (const Case& c : cases) {
        AnnotationSettings s;
        s.useEmbeddedText = c.embedded;
        const TextBlockMetrics m = derive({}, s, c.lines).in.metrics;
        const std::string name = c.lines.empty() ? "(empty)" : c.lines[0];
        EXPECT_EQ(m.maxLineBytes, c.maxLineBytes) << name;
        EXPECT_EQ(m.widestMark, c.widestMark) << name;
        EXPECT_EQ(m.memoLineCount, c.memo) << name;
    }
}

TEST(DeriveSession, EffectiveSlideFollowsTheCountedLines)
{
    struct Case {
        int slide;
        std::vector<std::string> lines;
        int effective;
    };
    const Case cases[] = {
        {4, {}, 4},
        {5, {"~~m"}, 5},
        {6, {}, 6}, // no counted line keeps the index
        {4, {"a"}, 0},
        {5, {"a"}, 0},
        {6, {"a", "~~m"}, 0},
        {4, {"a", "b"}, 1},
        {6, {"a", "b"}, 1},
        {4, {"a", "b", "c"}, 1},
        {5, {"a", "b", "c", "d"}, 2},
        {6, {"a", "b", "c"}, 2},
        {6, {"a", "b", "c", "d"}, 3},
        {2, {"a"}, 2},
        {0, {"a", "b"}, 0},
    };
    for (const Case& c : cases) {
        AnnotationSettings s;
        s.textSlide = c.slide;
        EXPECT_EQ(derive({}, s, c.lines).in.metrics.effectiveSlide, c.effective)
            << c.slide << " with " << c.lines.size() << " lines";
    }
}

TEST(DeriveSession, TextBlockSizes)
{
    HeaderSpec spec;
    spec.scales = "50 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1";
    spec.textType = "cn3"; // width 3, height 3, spacing 0.5
    AnnotationSettings s;
    s.noFrameGap = false;
    s.frameGapHorizontal = 5;
    s.frameGapVertical = -5;
    s.lineSpacing = 10;
    const WriterInput in = derive(spec, s, {"abcd", "~~memo", "ab"}).in;
    const TextBlockMetrics& m = in.metrics;
    EXPECT_EQ(in.textTypeNumber, "3");
    EXPECT_DOUBLE_EQ(m.halfCharWidth, 1.5);
    EXPECT_DOUBLE_EQ(m.charHeight, 3);
    EXPECT_DOUBLE_EQ(m.charSpacing, 0.5);
    EXPECT_FLOAT_EQ(m.lineSpacing, 1);
    // W = (0.25 + 1.5) * 4 - 0.25 = 6.75; gapH = 1 + 0.625 + 1.3
    EXPECT_FLOAT_EQ(m.textWidth, 6.75f);
    EXPECT_FLOAT_EQ(m.frameWidth, float((6.75 + 1 + 1.5 / 2.4 + 1.3) * 50));
    // H = (3 + 1) * 2 = 8; gapV = -1 + 3/7 + 1.2
    EXPECT_DOUBLE_EQ(m.textHeight, 8);
    EXPECT_FLOAT_EQ(m.frameHeight, float((8 + (-1 + 3.0 / 7 + 1.2) - 1) * 50));
}

TEST(DeriveSession, EmptyBoxAndFreeSizeText)
{
    HeaderSpec spec;
    spec.textType = "cn0 3 4 0.5 2";
    const WriterInput in = derive(spec, {}, {}).in;
    EXPECT_EQ(in.textTypeNumber, "0");
    EXPECT_DOUBLE_EQ(in.metrics.halfCharWidth, 1.5);
    EXPECT_DOUBLE_EQ(in.metrics.charHeight, 4);
    EXPECT_DOUBLE_EQ(in.metrics.charSpacing, 0.5);
    EXPECT_EQ(in.metrics.maxLineBytes, 1);
    EXPECT_DOUBLE_EQ(in.metrics.textHeight, 4); // H = charHeight
}

TEST(DeriveSession, ChosenTextTypeAndItsRange)
{
    AnnotationSettings s;
    s.textType = 10;
    EXPECT_EQ(derive({}, s, {"a"}).in.textTypeNumber, "10");
    EXPECT_DOUBLE_EQ(derive({}, s, {"a"}).in.metrics.charSpacing, 1);

    HeaderSpec spec;
    spec.textType = "cn11";
    try {
        derive(spec, {}, {"a"});
        FAIL() << "text type 11 accepted";
    } catch (const Error& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Range);
    }
}

TEST(DeriveSession, APointThatIsNotANumberIsAConversionError)
{
    HeaderSpec spec;
    spec.p2 = "10 abc";
    try {
        derive(spec, {}, {"a"});
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Conversion);
    }
}

TEST(DeriveSession, DerivingTwiceGivesTheSameResult)
{
    const HostHeader h = parseHostHeader(headerLines({}), SessionMode::normal);
    OutputList out;
    const WriterInput first = deriveSession(h, SessionMode::normal, {}, {"a"}, out);
    const WriterInput second = deriveSession(h, SessionMode::normal, {}, {"a"}, out);
    EXPECT_EQ(first.textTypeNumber, second.textTypeNumber);
    EXPECT_EQ(first.metrics.charHeight, second.metrics.charHeight);
    EXPECT_EQ(out.size(), 4u); // each call appends its own prologue
}

TEST(DeriveSession, ZeroHostScaleIsADivisionError)
{
    HeaderSpec spec;
    spec.scales = "0 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1";
    AnnotationSettings s;
    s.writeGroup = 2;
    try {
        derive(spec, s, {"a"});
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(e.kind(), ErrorKind::FloatDivideByZero);
    }
}

} // namespace
} // namespace tagler
