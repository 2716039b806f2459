// Balloon, cloud and curved-leader frames. The standard box below is 17 wide and 6 high at point 2
// = (10, 10); a 4-byte line gives a mouth of √4 × 17 / 4 / 1.7 = 5.
#include "WriterTestSupport.h"
#include "support/RunFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <sstream>

namespace tagler::test {
namespace {

WriterCase shapedCase(int frameType, Point p1, Point p3)
{
    WriterCase c;
    c.p1 = p1;
    c.p2 = {10, 10};
    c.p3 = p3;
    c.metrics.frameWidth = 17;
    c.metrics.frameHeight = 6;
    c.metrics.maxLineBytes = 4;
    c.metrics.lineCount = 2;
    c.settings.frameType = frameType;
    c.settings.frameColor = 3;
    c.settings.leaderColor = 5;
    c.settings.tipSymbol = 7; // an arrow that balloons and clouds must not draw
    return c;
}

Point rotated(Point p, Point c, double degrees)
{
    const double a = degrees * std::numbers::pi / 180;
    const double dx = p.x - c.x, dy = p.y - c.y;
    return {float(c.x + dx * std::cos(a) - dy * std::sin(a)), float(c.y + dx * std::sin(a) + dy * std::cos(a))};
}

void expectLine(const std::string& record, Point a, Point b)
{
    const std::vector<double> v = numbersOf(record);
    ASSERT_EQ(v.size(), 4u) << record;
    EXPECT_NEAR(v[0], a.x, 1e-4) << record;
    EXPECT_NEAR(v[1], a.y, 1e-4) << record;
    EXPECT_NEAR(v[2], b.x, 1e-4) << record;
    EXPECT_NEAR(v[3], b.y, 1e-4) << record;
}

// ---- Balloon ----

struct BalloonCase {
    const char* name;
    Point p1, p3;
    Records expected;
};

TEST(BalloonFrame, MouthEdgeStartsAtTheMouthInEveryOrientation)
{
    const BalloonCase cases[] = {
        {"text right, tip below: mouth in the bottom edge",
         {0, 0},
         {40, 10},
         {"lc3", " 15 10 27 10", " 27 10 27 16", " 27 16 10 16", " 10 16 10 10", "lc5", " 0 0 10 10", " 0 0 15 10"}},
        {"text right, tip above: box hangs below, mouth in its top edge",
         {0, 30},
         {40, 10},
         {"lc3", " 15 10 27 10", " 27 10 27 4", " 27 4 10 4", " 10 4 10 10", "lc5", " 0 30 10 10", " 0 30 15 10"}},
        {"text left, tip below",
         {20, 0},
         {-20, 10},
         {"lc3", " 5 10 -7 10", " -7 10 -7 16", " -7 16 10 16", " 10 16 10 10", "lc5", " 20 0 10 10", " 20 0 5 10"}},
        {"rotated, text up, tip left: mouth in the left edge",
         {0, 0},
         {10, 40},
         {"lc3", " 10 15 10 27", " 10 27 16 27", " 16 27 16 10", " 16 10 10 10", "lc5", " 0 0 10 10", " 0 0 10 15"}},
        {"rotated, text down, tip right: mouth in the right edge",
         {30, 40},
         {10, -20},
         {"lc3", " 10 5 10 -7", " 10 -7 4 -7", " 4 -7 4 10", " 4 10 10 10", "lc5", " 30 40 10 10", " 30 40 10 5"}},
    };
    for (const BalloonCase& c : cases) {
        // Through the tip and leader stages too: neither adds anything to a balloon.
        EXPECT_EQ(leaderRecords(shapedCase(10, c.p1, c.p3)), c.expected) << c.name;
    }
}

TEST(BalloonFrame, IsClosedAndTailless_WhenTheLeaderIsTooShort)
{
    WriterCase c = shapedCase(10, {0, 0}, {40, 10});
    c.leaderVisible = false;
    EXPECT_EQ(leaderRecords(c), (Records{"lc3", " 10 10 27 10", " 27 10 27 16", " 27 16 10 16", " 10 16 10 10"}));
}

TEST(BalloonFrame, FrameColourFallsBackToTheLeaderColour)
{
    WriterCase c = shapedCase(10, {0, 0}, {40, 10});
    c.settings.frameColor = 0;
    const Records r = frameRecords(c);
    ASSERT_FALSE(r.empty());
    EXPECT_EQ(r.front(), "lc5");
}

TEST(BalloonFrame, TiltTurnsTheBoxAboutTheLeaderEndButLeavesTheTip)
{
    // Point 3 along (4, 3): the box turns by atan(3/4).
    WriterCase c = shapedCase(10, {0, 0}, {14, 13});
    c.settings.tiltFrame = true;
    const Records r = frameRecords(c);
    ASSERT_EQ(r.size(), 8u);
    const Point a{10, 10};
    const double phi = std::atan2(3.0, 4.0) * 180 / std::numbers::pi;
    // M (15,10) → (14,13); (27,10) → (23.6,20.2); B (27,16) → (20,25); (10,16) → (6.4,14.8).
    const Point m = rotated({15, 10}, a, phi), c2 = rotated({27, 10}, a, phi), b = rotated({27, 16}, a, phi),
                c4 = rotated({10, 16}, a, phi);
    EXPECT_NEAR(m.x, 14, 1e-5);
    EXPECT_NEAR(b.y, 25, 1e-5);
    expectLine(r[1], m, c2);
    expectLine(r[2], c2, b);
    expectLine(r[3], b, c4);
    expectLine(r[4], c4, a);
    EXPECT_EQ(r[5], "lc5");
    expectLine(r[6], {0, 0}, a);
    expectLine(r[7], {0, 0}, m);
}

// ---- Cloud ----

// Long sides carry flatness 0.5, short sides 0.65.
int countWith(const Records& r, const std::string& field)
{
    int n = 0;
    for (const std::string& s : r)
        n += s.rfind("ci ", 0) == 0 && s.find(field) != std::string::npos;
    return n;
}

struct CountCase {
    int frameType;
    int bytes;
    int lines;
    int alongEachLongSide;  // n_h
    int alongEachShortSide; // n_v
};

TEST(CloudFrame, ScallopCountsFollowTheWidestLineAndTheLineCount)
{
    const CountCase cases[] = {
        {11, 4, 1, 2, 2},  // max(2, floor(2 × 0.7) + 1)
        {11, 25, 3, 4, 2}, // floor(3.5) + 1
        {11, 1, 4, 2, 3},  // floor(0.7) + 1 = 1, at least 2
        {11, 9, 5, 3, 3},  // floor(2.1) + 1
        {11, 50, 2, 5, 2}, // floor(4.95) + 1
        {12, 4, 2, 2, 2},  // 異片 alternates sizes but keeps the count
        {12, 9, 4, 3, 3},  {12, 25, 3, 4, 2}, {12, 50, 5, 5, 3},
    };
    for (const CountCase& k : cases) {
        WriterCase c = shapedCase(k.frameType, {0, 0}, {40, 10});
        c.metrics.maxLineBytes = k.bytes;
        c.metrics.lineCount = k.lines;
        const Records r = frameRecords(c);
        EXPECT_EQ(countWith(r, " 0.5 "), 2 * k.alongEachLongSide) << k.frameType << " " << k.bytes;
        EXPECT_EQ(countWith(r, " 0.65 "), 2 * k.alongEachShortSide) << k.frameType << " " << k.lines;
    }
}

TEST(CloudFrame, EqualScallops_ReferenceOrientation)
{
    // rt = 17 / 2 / 2 = 4.25; rb = (17 − 5) / 2 / 2 = 3; rs = 6 / 2 / 2 = 1.5.
    // Each long pair puts the upper-edge scallop first, here the far side.
    const Records expected = {
        "lc3",
        "ci 14.25 16 4.25 0 180 0.5 0",
        "ci 18 10 3 0 180 0.5 180",
        "ci 22.75 16 4.25 0 180 0.5 0",
        "ci 24 10 3 0 180 0.5 180",
        "ci 10 11.5 1.5 180 0 0.65 -90",
        "ci 27 11.5 1.5 180 0 0.65 90",
        "ci 10 14.5 1.5 180 0 0.65 -90",
        "ci 27 14.5 1.5 180 0 0.65 90",
        "lc5",
        " 0 0 10 10",
        " 0 0 15 10",
    };
    EXPECT_EQ(leaderRecords(shapedCase(11, {0, 0}, {40, 10})), expected);
}

struct OrderCase {
    const char* name;
    Point p1, p3;
    const char* firstLong;
    const char* secondLong;
    const char* firstShort;
};

TEST(CloudFrame, PairsStartWithTheUpperOrRightScallopAndTheAnchorEnd)
{
    const OrderCase cases[] = {
        {"tip below: far side on top",
         {0, 0},
         {40, 10},
         "ci 14.25 16 4.25 0 180 0.5 0",
         "ci 18 10 3 0 180 0.5 180",
         "ci 10 11.5 1.5 180 0 0.65 -90"},
        {"tip above: mouth side on top",
         {0, 30},
         {40, 10},
         "ci 18 10 3 0 180 0.5 0",
         "ci 14.25 4 4.25 0 180 0.5 180",
         "ci 10 8.5 1.5 180 0 0.65 -90"},
        {"text left: anchor end on the right",
         {20, 0},
         {-20, 10},
         "ci 5.75 16 4.25 0 180 0.5 0",
         "ci 2 10 3 0 180 0.5 180",
         "ci 10 11.5 1.5 180 0 0.65 90"},
        {"rotated, tip left: far side on the right",
         {0, 0},
         {10, 40},
         "ci 16 14.25 4.25 180 0 0.5 90",
         "ci 10 18 3 180 0 0.5 -90",
         "ci 11.5 10 1.5 0 180 0.65 180"},
        {"rotated, tip right: mouth side on the right",
         {30, 0},
         {10, 40},
         "ci 10 18 3 180 0 0.5 90",
         "ci 4 14.25 4.25 180 0 0.5 -90",
         "ci 8.5 10 1.5 0 180 0.65 180"},
        {"rotated, text down: anchor end on top",
         {0, 40},
         {10, -20},
         "ci 16 5.75 4.25 180 0 0.5 90",
         "ci 10 2 3 180 0 0.5 -90",
         "ci 11.5 10 1.5 0 180 0.65 0"},
    };
    for (const OrderCase& c : cases) {
        const Records r = frameRecords(shapedCase(11, c.p1, c.p3));
        ASSERT_GE(r.size(), 6u) << c.name;
        EXPECT_EQ(r[1], c.firstLong) << c.name;
        EXPECT_EQ(r[2], c.secondLong) << c.name;
        EXPECT_EQ(r[5], c.firstShort) << c.name;
    }
}

TEST(CloudFrame, AlternatingScallopsCoverTheSidesExactly)
{
    // No mouth: W = 10, H = 10, n_h = 2.
    // Far side: s = 10 / 2 × 1 × 0.25 = 1.25, rt = 8.75 / 4 = 2.1875, rt2 = (1.25 + 4.375) / 2 = 2.8125.
    // Mouth side: rb = 8 / 2 / 2 = 2, t = 2 / 1 / 2 = 1, rb2 = 3.
    WriterCase c = shapedCase(12, {0, 0}, {40, 10});
    c.leaderVisible = false;
    c.metrics.frameWidth = 10;
    c.metrics.frameHeight = 10;
    const Records twoLines = {
        "lc3",
        "ci 12.1875 20 2.1875 0 180 0.5 0",
        "ci 12 10 2 0 180 0.5 180",
        "ci 17.1875 20 2.8125 0 180 0.5 0",
        "ci 17 10 3 0 180 0.5 180",
        // Half-heights 0.2 H and 0.3 H from the mouth side.
        "ci 10 12 2 180 0 0.65 -90",
        "ci 20 12 2 180 0 0.65 90",
        "ci 10 17 3 180 0 0.65 -90",
        "ci 20 17 3 180 0 0.65 90",
    };
    EXPECT_EQ(frameRecords(c), twoLines);

    c.metrics.lineCount = 4; // 0.15 H, 0.2 H, 0.15 H
    const Records r = frameRecords(c);
    ASSERT_EQ(r.size(), 11u);
    EXPECT_EQ(r[5], "ci 10 11.5 1.5 180 0 0.65 -90");
    EXPECT_EQ(r[7], "ci 10 15 2 180 0 0.65 -90");
    EXPECT_EQ(r[9], "ci 10 18.5 1.5 180 0 0.65 -90");
    EXPECT_EQ(r[10], "ci 20 18.5 1.5 180 0 0.65 90");
}

struct MarginCase {
    bool noFrameGap;
    int bytes;
    double margin; // drawing units at scale 5
};

TEST(CloudFrame, LongSidesMoveOutByTheMargin)
{
    const MarginCase cases[] = {
        {true, 4, 0},                   // 枠と文字間なし
        {false, 4, 3},                  // 0.6 mm × 5
        {false, 19, 3}, {false, 20, 7}, // 1.4 mm × 5
        {false, 25, 7},
    };
    for (const MarginCase& k : cases) {
        WriterCase c = shapedCase(11, {0, 0}, {40, 10});
        c.scale = 5;
        c.settings.noFrameGap = k.noFrameGap;
        c.metrics.maxLineBytes = k.bytes;
        const Records r = frameRecords(c);
        ASSERT_GE(r.size(), 3u);
        EXPECT_DOUBLE_EQ(numbersOf(r[1])[1], 16 + k.margin) << k.bytes; // far side, upper edge
        EXPECT_DOUBLE_EQ(numbersOf(r[2])[1], 10 - k.margin) << k.bytes; // mouth side, lower edge
        // The tail meets the moved mouth edge.
        EXPECT_DOUBLE_EQ(numbersOf(r.back())[3], 10 - k.margin) << k.bytes;
        // Short sides span the widened height: two scallops of (6 + 2m) / 4.
        int shortSide = 0;
        for (const std::string& s : r)
            if (s.find(" 0.65 ") != std::string::npos) {
                EXPECT_DOUBLE_EQ(numbersOf(s)[2], (6 + 2 * k.margin) / 4) << s;
                ++shortSide;
            }
        EXPECT_EQ(shortSide, 4);
    }
}

TEST(CloudFrame, TiltTurnsCentresAndWritesTheEdgeTilts)
{
    WriterCase c = shapedCase(11, {0, 0}, {14, 13}); // turned by φ = atan(3/4)
    c.settings.tiltFrame = true;
    const Records r = frameRecords(c);
    ASSERT_EQ(r.size(), 12u);
    const double phi = std::atan2(3.0, 4.0) * 180 / std::numbers::pi;
    const Point a{10, 10};
    struct Expect {
        std::size_t index;
        Point untilted;
        const char* angles;
        double tilt;
    } const expected[] = {
        {1, {14.25, 16}, " 0 180 0.5 ", phi},
        {2, {18, 10}, " 0 180 0.5 ", phi + 180},
        {5, {10, 11.5}, " 180 0 0.65 ", phi - 90},
        {6, {27, 11.5}, " 180 0 0.65 ", phi + 90},
    };
    for (const Expect& e : expected) {
        const std::string& s = r[e.index];
        const std::vector<double> v = numbersOf(s);
        ASSERT_EQ(v.size(), 7u) << s;
        const Point p = rotated(e.untilted, a, phi);
        EXPECT_NEAR(v[0], p.x, 1e-4) << s;
        EXPECT_NEAR(v[1], p.y, 1e-4) << s;
        EXPECT_NE(s.find(e.angles), std::string::npos) << s;
        EXPECT_NEAR(v[6], e.tilt, 1e-4) << s;
    }
    expectLine(r[10], {0, 0}, a);
    expectLine(r[11], {0, 0}, rotated({15, 10}, a, phi));
}

// ---- Curved leaders ----

struct Arc {
    Point centre;
    double radius, start, end, tilt;
    // A point of the arc at the given angle of its own (tilted) frame.
    Point at(double degrees) const
    {
        const double a = (degrees + tilt) * std::numbers::pi / 180;
        return {float(centre.x + radius * std::cos(a)), float(centre.y + radius * std::sin(a))};
    }
};

std::vector<Arc> arcsOf(const Records& r)
{
    std::vector<Arc> arcs;
    for (const std::string& s : r)
        if (s.rfind("ci ", 0) == 0) {
            const std::vector<double> v = numbersOf(s);
            EXPECT_EQ(v.size(), 7u) << s;
            if (v.size() == 7)
                arcs.push_back({{float(v[0]), float(v[1])}, v[2], v[3], v[4], v[6]});
        }
    return arcs;
}

double distance(Point a, Point b) { return std::hypot(double(a.x) - b.x, double(a.y) - b.y); }

TEST(CurvedLeader, FirstArcOfType13_LeaderRunningRightAndUp)
{
    // S = (0, 0), P2 = (30, 40): L = 50, θ = 53.1301°; the centre lies 46.25 away at −17.9453°,
    // which in the leader's own frame is (0.3 L, −0.875 L): turned by θ, (44, −14.25).
    WriterCase c = shapedCase(13, {0, 0}, {60, 40});
    c.p2 = {30, 40};
    c.settings.tipSymbol = 1;
    const Records r = leaderRecords(c);
    // Frame stage writes nothing for 13; then the tip's colour, the leader colour and five arcs.
    ASSERT_EQ(r.size(), 7u);
    EXPECT_EQ(r[0], "lc5");
    EXPECT_EQ(r[1], "lc5");
    const std::vector<double> v = numbersOf(r[2]);
    ASSERT_EQ(v.size(), 7u);
    EXPECT_NEAR(v[0], 44, 1e-3);
    EXPECT_NEAR(v[1], -14.25, 1e-3);
    EXPECT_NEAR(v[2], 46.25, 1e-4);
    EXPECT_NE(r[2].find(" 71.07535 108.92464 1 "), std::string::npos) << r[2];
    EXPECT_NEAR(v[6], 53.1301, 1e-3);
}

struct CurveCase {
    const char* name;
    int frameType;
    Point p1, p3;
    std::size_t arcs;
    std::vector<std::string> angleStrings;
};

TEST(CurvedLeader, FiguresRunFromTheLeaderStartToTheLeaderEnd)
{
    // Point 2 stays (10, 10). The first arc passes through the start, the second ends at point 2,
    // on whichever side the figure bends.
    const CurveCase cases[] = {
        {"13, bending to the first side",
         13,
         {-30, -20},
         {40, 10},
         5,
         {" 71.07535 108.92464 1 ", " 71.07535 108.92464 1 ", " 241.92751 298.07248 1 ", " 111.7966 248.20339 1 ",
          " 293.21554 66.78445 1 "}},
        {"13, bending to the other side",
         13,
         {-30, 40},
         {40, 10},
         5,
         {" 251.07535 288.92464 1 ", " 251.07535 288.92464 1 ", " 61.92751 118.07248 1 ", " 111.7966 248.20339 1 ",
          " 293.21554 66.78445 1 "}},
        {"14, bending to the first side",
         14,
         {-30, -20},
         {40, 10},
         4,
         {" 254.16025 268.41028 1 ", " 74.13485 88.80361 1 ", " 269.99995 90 0.4 ", " 269.99995 90 0.4 "}},
        {"14, bending to the other side",
         14,
         {-30, 40},
         {40, 10},
         4,
         {" 91.589716 105.839749 1 ", " 271.19638 285.86514 1 ", " 269.99995 90 0.4 ", " 269.99995 90 0.4 "}},
        {"13, rotated layout, tip right",
         13,
         {30, -30},
         {10, 50},
         5,
         {" 71.07535 108.92464 1 ", " 71.07535 108.92464 1 ", " 241.92751 298.07248 1 ", " 111.7966 248.20339 1 ",
          " 293.21554 66.78445 1 "}},
    };
    for (const CurveCase& k : cases) {
        WriterCase c = shapedCase(k.frameType, k.p1, k.p3);
        c.settings.tipSymbol = 1;
        const Records r = leaderRecords(c);
        const std::vector<Arc> arcs = arcsOf(r);
        ASSERT_EQ(arcs.size(), k.arcs) << k.name;
        for (std::size_t i = 0; i < arcs.size(); ++i)
            EXPECT_NE(r[r.size() - arcs.size() + i].find(k.angleStrings[i]), std::string::npos) << k.name << i;
        const double length = distance(k.p1, c.p2);
        const double tolerance = 2e-3 * length;
        const Arc& first = arcs[0];
        const Arc& second = arcs[1];
        EXPECT_LT(std::min(distance(first.at(first.start), k.p1), distance(first.at(first.end), k.p1)), tolerance)
            << k.name;
        EXPECT_LT(std::min(distance(second.at(second.start), c.p2), distance(second.at(second.end), c.p2)), tolerance)
            << k.name;
    }
}

TEST(CurvedLeader, SmallArcsOfType14CarryTheirOwnTilt)
{
    // Leader straight to the right: θ = 0.
    WriterCase c = shapedCase(14, {-40, 10}, {40, 10});
    c.settings.tipSymbol = 1;
    Records r = leaderRecords(c);
    ASSERT_EQ(r.size(), 6u);
    EXPECT_NEAR(numbersOf(r[4])[6], -8.13, 1e-4);
    EXPECT_NEAR(numbersOf(r[5])[6], 171.86979, 1e-4);

    c.p1 = {-40, 20}; // the other side: θ is a little below zero
    r = leaderRecords(c);
    const double theta = std::atan2(-10.0, 50.0) * 180 / std::numbers::pi;
    EXPECT_NEAR(numbersOf(r[4])[6], theta + 8.13, 1e-4);
    EXPECT_NEAR(numbersOf(r[5])[6], theta - 171.86979, 1e-4);
}

TEST(CurvedLeader, EndsAtTheLeaderEndWhenTheBoxIsShifted)
{
    // 最上行上 moves point 2 down by the box height; the curve and the dot's rim still follow the
    // leader as indicated.
    WriterCase c = shapedCase(13, {-30, -20}, {40, 10});
    c.settings.tipSymbol = 2;
    c.settings.dotRadius = 10; // 1 mm
    c.settings.attachPosition = 0;
    StagedRun run(c);
    run.throughLeader();
    ASSERT_FLOAT_EQ(run.state().box.anchor().y, 4);
    const std::vector<Arc> arcs = arcsOf(run.records());
    ASSERT_EQ(arcs.size(), 5u);
    const Point end{10, 10};
    EXPECT_LT(std::min(distance(arcs[1].at(arcs[1].start), end), distance(arcs[1].at(arcs[1].end), end)), 0.05);
    // The leader starts on the rim, on the line from the tip to the leader end.
    const Point rim = run.state().leaderStart;
    EXPECT_NEAR(distance(rim, {-30, -20}), 1, 1e-5);
    EXPECT_NEAR(distance(rim, {-30, -20}) + distance(rim, end), distance({-30, -20}, end), 1e-4);
}

// A point inside the convex quadrilateral q (corners in ring order, either turn).
bool inside(Point p, const std::vector<double>& q)
{
    int sign = 0;
    for (int i = 0; i < 4; ++i) {
        const double ax = q[2 * i], ay = q[2 * i + 1];
        const double bx = q[(2 * i + 2) % 8], by = q[(2 * i + 3) % 8];
        const double cross = (bx - ax) * (p.y - ay) - (by - ay) * (p.x - ax);
        const int s = cross > 1e-6 ? 1 : (cross < -1e-6 ? -1 : 0);
        if (s != 0 && sign != 0 && s != sign)
            return false;
        if (s != 0)
            sign = s;
    }
    return true;
}

TEST(CurvedLeader, TiltedRotatedTextStaysInsideItsFilledBox)
{
    // Rotated layout, tilted: the curved leaders' box is not placed away from the tip, so the
    // text must follow the box it really has.
    const struct {
        Point p1, p3;
    } cases[] = {{{0, 0}, {20, 42}}, {{0, 0}, {8, 42}}, {{30, 40}, {20, -18}}, {{30, 0}, {8, -18}}};
    for (int frameType : {13, 14})
        for (const auto& k : cases) {
            WriterCase c = shapedCase(frameType, k.p1, k.p3);
            c.p2 = {14, 12};
            c.settings.tiltFrame = true;
            c.settings.noFrameGap = false;
            c.settings.attachPosition = 2;
            c.settings.fillInside = true;
            c.metrics.charHeight = 2;
            c.metrics.halfCharWidth = 1;
            c.metrics.lineCount = 2;
            c.metrics.textWidth = 8;
            c.lines = {"ABCD", "EFGH"};
            const Records r = runRecords(c);
            std::vector<double> box;
            std::vector<Point> origins;
            for (const std::string& s : r) {
                if (s.rfind("sl ", 0) == 0)
                    box = numbersOf(s);
                if (s.rfind("ch ", 0) == 0) {
                    std::istringstream in(s.substr(3));
                    Point o;
                    in >> o.x >> o.y;
                    origins.push_back(o);
                }
            }
            ASSERT_EQ(box.size(), 8u);
            ASSERT_EQ(origins.size(), 2u);
            for (const Point& o : origins)
                EXPECT_TRUE(inside(o, box)) << frameType << " tip " << k.p1.x << "," << k.p1.y << " p3 " << k.p3.x
                                            << "," << k.p3.y << ": text at " << o.x << "," << o.y;
        }
}

// The middle of what a frame's records cover: lines by their ends, scallops by their circles.
Point coveredCentre(const std::vector<std::string>& records)
{
    double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;
    auto cover = [&](double x, double y, double r) {
        x0 = std::min(x0, x - r), x1 = std::max(x1, x + r);
        y0 = std::min(y0, y - r), y1 = std::max(y1, y + r);
    };
    for (const std::string& r : records) {
        const std::vector<double> v = numbersOf(r);
        if (r.rfind(" ", 0) == 0 && v.size() == 4) {
            cover(v[0], v[1], 0);
            cover(v[2], v[3], 0);
        } else if (r.rfind("ci ", 0) == 0) {
            cover(v[0], v[1], v[2]);
        }
    }
    return makePoint((x0 + x1) / 2, (y0 + y1) / 2);
}

TEST(CloudFrame, TextModeCloudMovesWithItsTextLikeABox)
{
    // In text mode every frame takes the attach shift with its text: between attach positions a
    // cloud moves exactly as a 四角 around the same text does, whatever the layout and tilt.
    const std::vector<std::string> text = {"ABCD", "EF", "GHIJKL"};
    auto centre = [&](const HeaderSpec& h, AnnotationSettings s, int frame, int attach) {
        s.frameType = frame;
        s.attachPosition = attach;
        return coveredCentre(runAnnotation(h, s, text, SessionMode::textMode).records);
    };
    for (bool rotated : {false, true})
        for (bool tilted : {false, true})
            for (int cloud : {11, 12}) {
                HeaderSpec h;
                h.p1 = "10 10";
                h.p3 = rotated ? (tilted ? "16 40" : "10 40") : (tilted ? "40 22" : "40 10");
                AnnotationSettings s;
                s.tiltFrame = tilted;
                s.noFrameGap = false;
                const Point box4 = centre(h, s, 2, 4), cloud4 = centre(h, s, cloud, 4);
                for (int attach = 0; attach < 4; ++attach) {
                    const Point box = centre(h, s, 2, attach), c = centre(h, s, cloud, attach);
                    const std::string where = std::string(rotated ? "rotated" : "horizontal") +
                                              (tilted ? " tilted" : "") + ", attach " + std::to_string(attach) +
                                              ", frame " + std::to_string(cloud);
                    EXPECT_NEAR(c.x - cloud4.x, box.x - box4.x, 0.001) << where;
                    EXPECT_NEAR(c.y - cloud4.y, box.y - box4.y, 0.001) << where;
                }
            }
}

} // namespace
} // namespace tagler::test
