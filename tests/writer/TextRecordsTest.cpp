#include "support/RunFixture.h"
#include "writer/WriterTestSupport.h"

#include "base/Clock.h"
#include "base/CodePage.h"
#include "writer/AnnotationWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>

// Text type 1 of the test header: half width 1, height 2, spacing 0; scale 1;
// 枠と文字間なし on, so the text sits on the box without insets.
namespace tagler {
namespace {

using test::AnnotationRun;
using test::HeaderSpec;
using Records = std::vector<std::string>;

Records textRecords(const AnnotationRun& run)
{
    Records out;
    std::copy_if(run.records.begin(), run.records.end(), std::back_inserter(out),
                 [](const std::string& r) { return r.rfind("ch ", 0) == 0 || r.rfind("cc", 0) == 0; });
    return out;
}

AnnotationSettings bottomAttached()
{
    AnnotationSettings s;
    s.attachPosition = 4;
    return s;
}

TEST(TextRecords, OneLineIsAWholeAnnotation)
{
    const AnnotationRun run = test::runAnnotation({}, bottomAttached(), {"ABC"});
    const Records expected = {"lt1",
                              "ly0",
                              "lc1", // 記号なし still writes its colour
                              "lc1",
                              " 0 0 10 10", // the leader
                              "cn\"$<ＭＳ ゴシック>",
                              "cn1",
                              "ly0",
                              "ch 10 10 3 0 \"ABC",
                              "lg0",
                              "ly0"};
    EXPECT_EQ(run.records, expected);
}

TEST(TextRecords, LinesAreStackedBottomFirst)
{
    struct Case {
        std::vector<std::string> lines;
        Records expected;
    };
    const Case cases[] = {
        {{"A", "BB", "CCC"}, {"ch 10 10 3 0 \"CCC", "ch 10 12 3 0 \"BB", "ch 10 14 3 0 \"A"}},
        // A memo line takes no room and is not written.
        {{"A", "~~memo", "C"}, {"ch 10 10 1 0 \"C", "ch 10 12 1 0 \"A"}},
        // An empty line is still a record and still takes its pitch.
        {{"A", ""}, {"ch 10 10 1 0 \"", "ch 10 12 1 0 \"A"}},
        {{}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(textRecords(test::runAnnotation({}, bottomAttached(), c.lines)), c.expected) << c.lines.size();
}

TEST(TextRecords, SlideMovesTheBottomLinesBelowTheUnderlineOnly)
{
    AnnotationSettings s = bottomAttached();
    s.textSlide = 5; // 最大２行 with two lines slides one
    s.frameType = 1;
    EXPECT_EQ(textRecords(test::runAnnotation({}, s, {"AB", "CD"})),
              (Records{"ch 10 8 2 0 \"CD", "ch 10 12 2 0 \"AB"}));
    s.frameType = 2;
    EXPECT_EQ(textRecords(test::runAnnotation({}, s, {"AB", "CD"})),
              (Records{"ch 10 10 2 0 \"CD", "ch 10 12 2 0 \"AB"}));
}

TEST(TextRecords, TopAttachedBoxHangsBelowPointTwo)
{
    AnnotationSettings s;
    s.attachPosition = 0;
    s.frameType = 2;
    // frameHeight 8: the block's lines run from y 2 up to the top edge at 10.
    EXPECT_EQ(textRecords(test::runAnnotation({}, s, {"A", "B", "C", "D"})),
              (Records{"ch 10 2 1 0 \"D", "ch 10 4 1 0 \"C", "ch 10 6 1 0 \"B", "ch 10 8 1 0 \"A"}));
}

TEST(TextRecords, CurvedLeaderAttachPositionsMeanTheirCaptionsInEveryCorner)
{
    // Two lines of height 2 with no gaps: a block 4 high. Along each text's up side, measured from
    // point 2 (0, 0): 最上行上 puts the top line's top there, 全体中央 the block's middle, 最下行下 the
    // bottom line's base; every position lies where it lies in the first corner. Point 1 sits across
    // point 2 from point 3, so no untilted corner hangs its box beside the leader.
    const struct {
        const char *p1, *p3;
    } corners[] = {{"-50 -50", "10 100"}, {"-50 -50", "-10 100"}, {"-50 50", "-10 -100"}, {"-50 50", "10 -100"}};
    for (const int frame : {13, 14}) {
        for (const bool tilt : {false, true}) {
            double first[5][2] = {};
            for (std::size_t corner = 0; corner < std::size(corners); ++corner) {
                for (int attach = 0; attach <= 4; ++attach) {
                    AnnotationSettings s;
                    s.frameType = frame;
                    s.tiltFrame = tilt;
                    s.attachPosition = attach;
                    HeaderSpec h;
                    h.p1 = corners[corner].p1;
                    h.p2 = "0 0";
                    h.p3 = corners[corner].p3;
                    const Records r = textRecords(test::runAnnotation(h, s, {"TOP", "BOTTOM"}));
                    const std::string where = std::to_string(frame) + (tilt ? " tilted, p3 " : ", p3 ") +
                                              corners[corner].p3 + ", attach " + std::to_string(attach);
                    ASSERT_EQ(r.size(), 2u) << where;
                    double base[2]; // bottom line, top line
                    for (std::size_t i = 0; i < 2; ++i) {
                        const std::vector<double> v = test::numbersOf(r[i]);
                        const double length = std::hypot(v[2], v[3]);
                        base[i] = (v[0] * -v[3] + v[1] * v[2]) / length;
                    }
                    EXPECT_NEAR(base[1] - base[0], 2, 1e-4) << where;
                    const double caption[5] = {base[1] + 2, NAN, (base[0] + base[1] + 2) / 2, NAN, base[0]};
                    if (attach % 2 == 0) {
                        EXPECT_NEAR(caption[attach], 0, 1e-4) << where;
                    }
                    if (corner == 0)
                        std::copy(base, base + 2, first[attach]);
                    EXPECT_NEAR(base[0], first[attach][0], 1e-4) << where;
                }
            }
        }
    }
}

TEST(TextRecords, TiltIsReleasedWhenPointThreeIsStraightAbove)
{
    AnnotationSettings s = bottomAttached();
    s.tiltFrame = true;
    HeaderSpec h;
    h.p3 = "10 30";
    EXPECT_EQ(textRecords(test::runAnnotation(h, s, {"ABC"})), (Records{"ch 10 10  0 3 \"ABC"}));
}

TEST(TextRecords, TiltedTextIsTurnedAboutTheLeaderEnd)
{
    AnnotationSettings s = bottomAttached();
    s.tiltFrame = true;
    HeaderSpec h;
    h.p3 = "20 20";
    EXPECT_EQ(textRecords(test::runAnnotation(h, s, {"A", "B"})),
              (Records{"ch 10 10 0.70710676908493 0.70710676908493 \"B",
                       "ch 8.58578681945801 11.414213180542 0.70710676908493 0.70710676908493 \"A"}));
}

TEST(TextRecords, VerticalFontRunsAgainstALeftwardExtensionTopLineFirst)
{
    AnnotationSettings s = bottomAttached();
    s.fontSwitch = 1;
    s.chosenFontName = sjis("@ＭＳ ゴシック");
    HeaderSpec h;
    h.p3 = "0 10";
    const AnnotationRun run = test::runAnnotation(h, s, {"A", "BB"});
    EXPECT_EQ(textRecords(run), (Records{"ch 10 12 -2 0 \"A", "ch 10 14 -2 0 \"BB"}));
    const Records tail(run.records.end() - 3, run.records.end());
    EXPECT_EQ(tail, (Records{"cn\"$<ＭＳ ゴシック>)", "lg0", "ly0"}));
    EXPECT_NE(std::find(run.records.begin(), run.records.end(), "cn\"$<@ＭＳ ゴシック>"), run.records.end());
}

TEST(TextRecords, VerticalFontDirectionAgainstTheLayoutIsOneNumber)
{
    // A block no wider than its spacing has a direction of zero or less; written against the
    // layout it is negated as a number, never by putting a sign in front of its text.
    struct Row {
        float frameWidth;
        double charSpacing;
        bool rotated;
        const char* direction; // the record's two direction fields
    };
    const Row rows[] = {
        {1, 1, false, "0 0"}, {1, 2, false, "1 0"}, {3, 1, false, "-2 0"},
        {1, 1, true, "0 0"},  {1, 2, true, "0 1"},  {3, 1, true, "0 -2"},
    };
    for (const Row& row : rows) {
        test::WriterCase c;
        c.p1 = {20, 0};
        c.p2 = {10, 10};
        c.p3 = row.rotated ? Point{10, 40} : Point{0, 10}; // against the layout: leftward, or rotated
        c.metrics = test::boxMetrics(row.frameWidth, 2);
        c.metrics.charSpacing = row.charSpacing;
        c.settings.fontSwitch = 1;
        c.settings.chosenFontName = sjis("@ＭＳ ゴシック");
        c.lines = {"A"};
        const Records records = test::runRecords(c);
        const auto text =
            std::find_if(records.begin(), records.end(), [](const std::string& r) { return r.rfind("ch ", 0) == 0; });
        ASSERT_NE(text, records.end());
        std::istringstream fields(text->substr(3));
        std::string x, y, dx, dy;
        fields >> x >> y >> dx >> dy;
        EXPECT_EQ(dx + " " + dy, row.direction) << *text;
    }
}

TEST(TextRecords, WithoutTheFontSwitchThereIsNoClosingFontRecord)
{
    const AnnotationRun run = test::runAnnotation({}, bottomAttached(), {"A"});
    EXPECT_EQ(std::count_if(run.records.begin(), run.records.end(),
                            [](const std::string& r) { return r.find(">)") != std::string::npos; }),
              0);
}

TEST(TextRecords, TextLayerIsWrittenInLowerCaseHex)
{
    AnnotationSettings s = bottomAttached();
    s.textLayer = 11;
    const AnnotationRun run = test::runAnnotation({}, s, {"A"});
    const auto font = std::find(run.records.begin(), run.records.end(), "cn1");
    ASSERT_NE(font, run.records.end());
    EXPECT_EQ(*(font + 1), "lya");
}

TEST(TextRecords, TextModeCentresEachLineAndCutsHostCodesIntoPieces)
{
    AnnotationSettings s = bottomAttached();
    s.textCenterBase = true;
    s.useEmbeddedText = true;
    HeaderSpec h;
    h.p1 = "10 10";
    h.p3 = "20 10";
    const AnnotationRun run = test::runAnnotation(h, s, {"AB", "$1X=fY"}, SessionMode::textMode);
    // The measured line is 12 bytes wide: its pieces start half of it back.
    const Records expected = {"lt1",
                              "ly0",
                              "cn\"$<ＭＳ ゴシック>",
                              "cn1",
                              "ly0",
                              "cc1",
                              "cc0",
                              "ch 4 10 12 0 \"X",
                              "ch 5 10 12 0 \"=f",
                              "ch 15 10 12 0 \"Y",
                              "cc1",
                              "ch 10 12 12 0 \"AB",
                              "lg0",
                              "ly0"};
    EXPECT_EQ(run.records, expected);
}

TEST(TextRecords, TextModeWritesNoLeaderEvenWhenEveryLeaderWouldShow)
{
    AnnotationSettings s = bottomAttached();
    s.arrowLength = 1; // the square test never hides anything
    s.tipSymbol = 6;
    HeaderSpec h;
    h.p1 = "10 10";
    h.p3 = "20 10";
    const AnnotationRun run = test::runAnnotation(h, s, {"A"}, SessionMode::textMode);
    EXPECT_EQ(run.records,
              (Records{"lt1", "ly0", "cn\"$<ＭＳ ゴシック>", "cn1", "ly0", "ch 10 10 1 0 \"A", "lg0", "ly0"}));
}

TEST(TextRecords, DateLinesUseTheRunsClock)
{
    AnnotationSettings s = bottomAttached();
    s.useEmbeddedText = true;
    HeaderSpec h;
    const HostHeader header = parseHostHeader(test::headerLines(h), SessionMode::normal);
    OutputList out;
    WriterInput in = deriveSession(header, SessionMode::normal, s, {"$2%y/%m/%d"}, out);
    const FixedClock clock(LocalDateTime{2024, 5, 6, 14, 7, 9, 2});
    runAnnotationWriter(in, clock, out);
    EXPECT_NE(std::find(out.records().begin(), out.records().end(), "ch 10 10 8 0 \"24/05/06"), out.records().end());
}

} // namespace
} // namespace tagler
