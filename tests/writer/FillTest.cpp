// The fill inside a frame. Boxes are 17 × 6 at point 2 = (10, 10) unless a case says otherwise.
#include "WriterTestSupport.h"

#include "writer/FillStage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <sstream>

namespace tagler::test {
namespace {

constexpr std::int32_t kMagenta = 0xFF00FF;

WriterCase fillCase(int frameType, Point p1, Point p3, int fillGap, float scale = 1)
{
    WriterCase c;
    c.p1 = p1;
    c.p2 = {10, 10};
    c.p3 = p3;
    c.scale = scale;
    c.metrics.frameWidth = 17;
    c.metrics.frameHeight = 6;
    c.metrics.maxLineBytes = 4;
    c.metrics.lineCount = 2;
    c.settings.frameType = frameType;
    c.settings.attachPosition = 4; // 最下行下: the box stays on point 2
    c.settings.fillInside = true;
    c.settings.fillColor = kMagenta;
    c.settings.fillGap = fillGap;
    return c;
}

// What the fill stage appends after the frame, tip and leader of the case.
Records fillRecords(const WriterCase& c)
{
    const WriterInput in = c.input();
    OutputList out;
    LeaderLayout layout;
    computeLeaderLayout(in, layout);
    WriterState s(in, layout, testClock(), out);
    runFrameStage(s);
    runTipStage(s);
    runLeaderStage(s);
    const std::size_t before = out.size();
    runFillStage(s);
    return Records(out.records().begin() + static_cast<std::ptrdiff_t>(before), out.records().end());
}

Point turned(Point p, Point c, double degrees)
{
    const double a = degrees * std::numbers::pi / 180;
    const double dx = p.x - c.x, dy = p.y - c.y;
    return {float(c.x + dx * std::cos(a) - dy * std::sin(a)), float(c.y + dx * std::sin(a) + dy * std::cos(a))};
}

TEST(FillStage, WritesNothingWhenTheButtonIsUp)
{
    WriterCase c = fillCase(2, {0, 0}, {40, 10}, 5);
    c.settings.fillInside = false;
    EXPECT_TRUE(fillRecords(c).empty());
}

struct BoxCase {
    const char* name;
    int frameType;
    Point p1, p3;
    int gap;
    float scale;
    Records expected;
};

TEST(FillStage, BoxFramesFillTheInsetBoxFromTheAnchorCorner)
{
    const BoxCase cases[] = {
        {"gap 0 covers the whole box", 2, {0, 0}, {40, 10}, 0, 1, {"lc10 16711935", "sl 10 10 27 10 27 16 10 16"}},
        // 5 × 0.1 × 2 = 1 drawing unit.
        {"gap 1 on every side", 2, {0, 0}, {40, 10}, 5, 2, {"lc10 16711935", "sl 11 11 26 11 26 15 11 15"}},
        {"box hanging below the anchor", 2, {30, 30}, {40, 10}, 5, 2, {"lc10 16711935", "sl 11 9 26 9 26 5 11 5"}},
        {"text running left", 2, {0, 0}, {-20, 10}, 5, 2, {"lc10 16711935", "sl 9 11 -6 11 -6 15 9 15"}},
        {"no frame", 0, {0, 0}, {40, 10}, 5, 2, {"lc10 16711935", "sl 11 11 26 11 26 15 11 15"}},
        {"underline", 1, {0, 0}, {40, 10}, 5, 2, {"lc10 16711935", "sl 11 11 26 11 26 15 11 15"}},
        {"box at the end of the extension", 7, {0, 0}, {40, 10}, 5, 2, {"lc10 16711935", "sl 41 11 56 11 56 15 41 15"}},
        {"curved leader fills like no frame",
         13,
         {0, 0},
         {40, 10},
         5,
         2,
         {"lc10 16711935", "sl 11 11 26 11 26 15 11 15"}},
        {"rotated layout", 2, {0, 0}, {10, 40}, 5, 2, {"lc10 16711935", "sl 9 11 5 11 5 26 9 26"}},
    };
    for (const BoxCase& k : cases)
        EXPECT_EQ(fillRecords(fillCase(k.frameType, k.p1, k.p3, k.gap, k.scale)), k.expected) << k.name;
}

TEST(FillStage, TiltedBoxTurnsWithTheFrame)
{
    WriterCase c = fillCase(2, {0, 0}, {14, 13}, 10); // φ = atan(3/4), gap 1
    c.settings.tiltFrame = true;
    const Records r = fillRecords(c);
    ASSERT_EQ(r.size(), 2u);
    const std::vector<double> v = numbersOf(r[1]);
    ASSERT_EQ(v.size(), 8u);
    const double phi = std::atan2(3.0, 4.0) * 180 / std::numbers::pi;
    const Point corners[] = {{11, 11}, {26, 11}, {26, 15}, {11, 15}};
    for (int i = 0; i < 4; ++i) {
        const Point p = turned(corners[i], {10, 10}, phi);
        EXPECT_NEAR(v[2 * i], p.x, 1e-4) << i;
        EXPECT_NEAR(v[2 * i + 1], p.y, 1e-4) << i;
    }
}

// ---- Long-round frames: the frame stage's results are set by hand ----

struct RoundCase {
    const char* name;
    bool rotated, forwards; // forwards: text to the right, or up when rotated
    Point anchor, farCorner;
    float straightEnd, roundCentre;
    Records expected;
};

TEST(FillStage, LongRoundHalfDiscsFillTheRoundEnds)
{
    // Radius 3, gap 1: the straight part is inset to 2 either side of the centre line and the
    // half-discs have radius 2. The first half-disc form opens towards the record's turn, the
    // second away from it.
    const RoundCase cases[] = {
        {"text right",
         false,
         true,
         {10, 10},
         {27, 16},
         25,
         13,
         {"lc10 16711935", "sl 10 11 25 11 25 15 10 15", "sc 25 13 2 1 0 -1.5708 3.1416 5",
          "sc 10 13 2 1 0 1.5708 3.1416 5"}},
        {"text left",
         false,
         false,
         {27, 10},
         {10, 16},
         12,
         13,
         {"lc10 16711935", "sl 27 11 12 11 12 15 27 15", "sc 27 13 2 1 0 -1.5708 3.1416 5",
          "sc 12 13 2 1 0 1.5708 3.1416 5"}},
        {"box below the anchor",
         false,
         true,
         {10, 10},
         {27, 4},
         25,
         7,
         {"lc10 16711935", "sl 10 9 25 9 25 5 10 5", "sc 25 7 2 1 0 -1.5708 3.1416 5",
          "sc 10 7 2 1 0 1.5708 3.1416 5"}},
        // Along y the records turn by π/2 so the halves open up and down.
        {"rotated, text up",
         true,
         true,
         {10, 10},
         {4, 27},
         25,
         7,
         {"lc10 16711935", "sl 9 10 5 10 5 25 9 25", "sc 7 25 2 1 1.57079637050629 -1.5708 3.1416 5",
          "sc 7 10 2 1 1.57079637050629 1.5708 3.1416 5"}},
        {"rotated, text down",
         true,
         false,
         {10, 27},
         {4, 10},
         12,
         7,
         {"lc10 16711935", "sl 9 27 5 27 5 12 9 12", "sc 7 27 2 1 1.57079637050629 -1.5708 3.1416 5",
          "sc 7 12 2 1 1.57079637050629 1.5708 3.1416 5"}},
    };
    for (const RoundCase& k : cases) {
        const WriterInput in = fillCase(3, {0, 0}, {40, 10}, 10).input();
        OutputList out;
        LeaderLayout layout = initialLayout(in);
        layout.steepExtension = k.rotated ? 1 : 0;
        layout.extendsRight = !k.rotated && k.forwards;
        layout.extendsUp = k.rotated && k.forwards;
        WriterState s(in, layout, testClock(), out);
        s.box = FrameBox(k.anchor, k.farCorner);
        s.frame.straightEnd = k.straightEnd;
        s.frame.roundCentre = k.roundCentre;
        s.frame.roundRadius = 3;
        runFillStage(s);
        EXPECT_EQ(out.records(), k.expected) << k.name;
    }
}

// ---- Balloons and clouds ----

TEST(FillStage, BalloonTailJoinsTheInsetBox)
{
    // Mouth from (10,10) to (15,10). Tip (4.5, 4): the middle of the mouth lies (8, 6) away, so
    // the apex is 5 × g along it at (8.5, 7); the mouth ends pull in by 1.3 to 11.3 and 13.7.
    const Records expected = {
        "lc10 16711935",
        "sl 11 11 26 11 26 15 11 15",
        "sl 8.5 7 11.3000001907349 10 13.6999998092651 10",
        "sl 11.3000001907349 10 13.6999998092651 10 14 11 11 11",
    };
    EXPECT_EQ(fillRecords(fillCase(10, {4.5, 4}, {40, 10}, 10)), expected);

    WriterCase closed = fillCase(10, {4.5, 4}, {40, 10}, 10);
    closed.leaderVisible = false;
    EXPECT_EQ(fillRecords(closed), (Records{"lc10 16711935", "sl 11 11 26 11 26 15 11 15"}));
}

TEST(FillStage, CloudWithoutGapCoversTheOutlineExactly)
{
    // The scallops of the reference cloud (see the frame tests), each filled as the same
    // half-ellipse, then the whole tail triangle.
    const Records expected = {
        "lc10 16711935",
        "sl 10 10 27 10 27 16 10 16",
        "sc 14.25 16 4.25 0.5 0 0 3.1416 5",
        "sc 18 10 3 0.5 3.1416 0 3.1416 5",
        "sc 22.75 16 4.25 0.5 0 0 3.1416 5",
        "sc 24 10 3 0.5 3.1416 0 3.1416 5",
        "sc 10 11.5 1.5 0.65 -1.5708 3.1416 3.1416 5",
        "sc 27 11.5 1.5 0.65 1.5708 3.1416 3.1416 5",
        "sc 10 14.5 1.5 0.65 -1.5708 3.1416 3.1416 5",
        "sc 27 14.5 1.5 0.65 1.5708 3.1416 3.1416 5",
        "sl 0 0 10 10 15 10",
        "sl 10 10 15 10 15 10 10 10",
    };
    EXPECT_EQ(fillRecords(fillCase(11, {0, 0}, {40, 10}, 0)), expected);
}

TEST(FillStage, CloudGapMovesEveryScallopInwards)
{
    const Records r = fillRecords(fillCase(11, {0, 0}, {40, 10}, 10));
    ASSERT_EQ(r.size(), 12u);
    EXPECT_EQ(r[1], "sl 11 11 26 11 26 15 11 15");
    EXPECT_EQ(r[2], "sc 14.25 15 4.25 0.5 0 0 3.1416 5");
    EXPECT_EQ(r[3], "sc 18 11 3 0.5 3.1416 0 3.1416 5");
    EXPECT_EQ(r[6], "sc 11 11.5 1.5 0.65 -1.5708 3.1416 3.1416 5");
    EXPECT_EQ(r[7], "sc 26 11.5 1.5 0.65 1.5708 3.1416 3.1416 5");
}

} // namespace
} // namespace tagler::test

namespace tagler::test {
namespace {

TEST(Fill, WritesTheColourTheBoxShows)
{
    struct Case {
        int index;
        std::int32_t written;
    };
    // 0 the custom entry, 10 red, 17 money green (0x00BBGGRR).
    const Case cases[] = {{0, kMagenta}, {10, 0x0000FF}, {17, 12639424}};
    for (const Case& k : cases) {
        WriterCase c = fillCase(2, {0, 0}, {40, 10}, 0);
        c.settings.fillColorIndex = k.index;
        EXPECT_EQ(fillRecords(c).front(), "lc10 " + std::to_string(k.written)) << k.index;
    }
}

} // namespace
} // namespace tagler::test
