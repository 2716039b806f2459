#include "WriterTestSupport.h"

#include "app/DeriveSession.h"
#include "app/HostHeader.h"
#include "host/ExchangeHeader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <sstream>

namespace tagler::test {
namespace {

// Frame 枠無 attached at its bottom line, so the frame stage writes nothing
// and leaves point 2 where it is.
WriterCase tipCase(int tipSymbol, Point p1, Point p2)
{
    WriterCase c;
    c.p1 = p1;
    c.p2 = p2;
    c.p3 = Point{p2.x + 10, p2.y};
    c.metrics = boxMetrics(40, 10);
    c.settings.frameType = 0;
    c.settings.attachPosition = 4;
    c.settings.tipSymbol = tipSymbol;
    return c;
}

// A horizontal leader from (0, 0) to (100, 0), arrows 2 long with a 30° half
// angle: W1 = 2 (cos 30°, sin 30°), W2 = 2 (cos 30°, -sin 30°); dots of radius 0.5.
TEST(TipSymbol, RecordsOfEachSymbol)
{
    const std::string w1 = "1.73205077648163 1";
    const std::string w2 = "1.73205077648163 -1";
    struct Case {
        int tip;
        Records expected;
    };
    const Case cases[] = {
        {0, {}},
        {1, {"lc9", "lc9", " 0 0 100 0"}},
        {2, {"lc9", "sc 0 0 0.5 1 0 0 3.1416 100", "lc9", " 0.5 0 100 0"}},
        {3, {"lc9", "ci 0 0 0.5", "lc9", " 0.5 0 100 0"}},
        {4, {"lc9", " 0 0 " + w1, "lc9", " 0 0 100 0"}},
        {5, {"lc9", " 0 0 " + w1, " 0 0 " + w2, "lc9", " 0 0 100 0"}},
        {6, {"lc9", " 0 0 " + w1, " 0 0 " + w2, " " + w1 + " " + w2, "lc9", " 0 0 100 0"}},
        {7, {"lc9", " 0 0 " + w1, " 0 0 " + w2, " " + w1 + " " + w2, "sl 0 0 " + w1 + " " + w2, "lc9", " 0 0 100 0"}},
    };
    for (const Case& k : cases) {
        WriterCase c = tipCase(k.tip, {0, 0}, {100, 0});
        c.settings.arrowAngle = 6;
        c.settings.dotRadius = 5;
        EXPECT_EQ(leaderRecords(c), k.expected) << "tip " << k.tip;
    }
}

// 矢印１ draws the wing on the upper side whichever way the leader runs:
// W1 (θ + a) to the right, W2 (θ - a at θ = 180°) to the left.
TEST(TipSymbol, SingleWingBySide)
{
    struct Case {
        const char* name;
        Point p2;
        const char* wing;
    };
    const Case cases[] = {
        {"leader to the right: W1", {100, 0}, " 0 0 1.73205077648163 1"},
        {"leader to the left: W2", {-100, 0}, " 0 0 -1.73205077648163 1"},
    };
    for (const Case& k : cases) {
        WriterCase c = tipCase(4, {0, 0}, k.p2);
        c.settings.arrowAngle = 6;
        const Records r = leaderRecords(c);
        ASSERT_GE(r.size(), 2u) << k.name;
        EXPECT_EQ(r[1], k.wing) << k.name;
    }
}

std::vector<double> numbersOf(const std::string& record)
{
    std::istringstream in(record);
    std::vector<double> v;
    for (double x; in >> x;)
        v.push_back(x);
    return v;
}

TEST(TipSymbol, VerticalLeaderWingsAtNinetyPlusMinusHalfAngle)
{
    // Point 2 straight above point 1: θ = 90°, wings at 135° and 45°, 20 long (2 mm at scale 10).
    WriterCase c = tipCase(5, {0, 0}, {0, 100});
    c.scale = 10;
    c.settings.arrowAngle = 9;
    const Records r = leaderRecords(c);
    ASSERT_EQ(r.size(), 5u);
    const double expectedAngles[] = {135, 45};
    for (int i = 0; i < 2; ++i) {
        const std::vector<double> v = numbersOf(r[static_cast<std::size_t>(i + 1)]);
        ASSERT_EQ(v.size(), 4u);
        EXPECT_EQ(v[0], 0);
        EXPECT_EQ(v[1], 0);
        EXPECT_NEAR(std::atan2(v[3], v[2]) * 180 / std::numbers::pi, expectedAngles[i], 1e-4)
            << r[static_cast<std::size_t>(i + 1)];
        EXPECT_NEAR(std::hypot(v[2], v[3]), 20, 1e-4);
    }
}

// The dot colour falls back to the leader colour, and the leader colour to
// the host's record; the leader's own colour record follows the dot.
TEST(TipSymbol, DotColourFallsBackThroughTheLeaderColour)
{
    struct Case {
        int dotColor, leaderColor;
        const char* beforeDot;
        const char* beforeLeader;
    };
    const Case cases[] = {{0, 0, "lc9", "lc9"}, {0, 2, "lc2", "lc2"}, {5, 0, "lc5", "lc9"}, {5, 2, "lc5", "lc2"}};
    for (const Case& k : cases) {
        WriterCase c = tipCase(2, {0, 0}, {100, 0});
        c.settings.dotColor = k.dotColor;
        c.settings.leaderColor = k.leaderColor;
        c.settings.dotRadius = 5;
        EXPECT_EQ(leaderRecords(c),
                  (Records{k.beforeDot, "sc 0 0 0.5 1 0 0 3.1416 100", k.beforeLeader, " 0.5 0 100 0"}))
            << k.dotColor << "/" << k.leaderColor;
    }
}

// Radius lists "1" and "5" at scale 50: R = 1.5 × 50 = 75; the leader to
// (300, 400) starts on the rim at 75 × (0.6, 0.8).
TEST(TipSymbol, SolidDotRadiusAndLeaderFromTheRim)
{
    WriterCase c = tipCase(2, {0, 0}, {300, 400});
    c.scale = 50;
    c.settings.dotRadius = 15;
    EXPECT_EQ(leaderRecords(c), (Records{"lc9", "sc 0 0 75 1 0 0 3.1416 100", "lc9", " 45 60 300 400"}));
}

// The frame stage moves point 2 by the attach offset; the arrow still points
// along the leader as drawn, from the tip to the leader end.
TEST(TipSymbol, ArrowFollowsTheLeaderNotTheMovedAnchor)
{
    WriterCase c = tipCase(4, {0, 0}, {-100, 0});
    c.p3 = Point{-110, 0}; // the text runs on away from the tip, so the attach position applies
    c.settings.frameType = 2;
    c.settings.attachPosition = 0; // the box's top edge on point 2: the anchor drops by 10
    c.settings.arrowAngle = 6;
    const Records r = leaderRecords(c);
    ASSERT_EQ(r.size(), 9u);
    EXPECT_EQ(r[6], " 0 0 -1.73205077648163 1");
    EXPECT_EQ(r[8], " 0 0 -100 0");
}

// The symbol follows the leader as drawn, whose first segment may not run to
// the leader end: in four-point mode it runs to the bend, and under a
// rerouting underline to the connector K.
TEST(TipSymbol, SymbolFollowsTheFirstLeaderSegment)
{
    // Bend at (300, 400): the rim start is 75 × (0.6, 0.8).
    WriterCase bent = tipCase(2, {0, 0}, {900, 400});
    bent.mode = SessionMode::fourPoint;
    bent.p4 = Point{300, 400};
    bent.scale = 50;
    bent.settings.dotRadius = 15;
    EXPECT_EQ(leaderRecords(bent),
              (Records{"lc9", "sc 0 0 75 1 0 0 3.1416 100", "lc9", " 45 60 300 400", " 300 400 900 400"}));

    // 下線 with the text running back under a shallow leader from (100, 5):
    // rerouted to K = (0, 5), straight to the left of the tip.
    WriterCase rerouted = tipCase(2, {100, 5}, {0, 0});
    rerouted.settings.frameType = 1;
    rerouted.metrics = boxMetrics(40, 5, 5);
    rerouted.settings.dotRadius = 5;
    EXPECT_EQ(leaderRecords(rerouted),
              (Records{"lc9", " 0 0 40 0", "lc9", "sc 100 5 0.5 1 0 0 3.1416 100", "lc9", " 0 0 0 5", " 99.5 5 0 5"}));
    // 矢印１ running left takes W2 at 180° - 30°.
    rerouted.settings.tipSymbol = 4;
    rerouted.settings.arrowAngle = 6;
    const Records r = leaderRecords(rerouted);
    ASSERT_EQ(r.size(), 7u);
    EXPECT_EQ(r[3], " 100 5 98.267951965332 6");
}

// Whether a leader is drawn is derived by the session from the arrow length:
// point 2 strictly inside the square of half side (length - 1) / 10 × scale
// around the tip suppresses tip symbol and leader; the frame and text stay.
Records derivedTipAndLeader(render::Point p1, render::Point p2, int arrowLength)
{
    host::HeaderRequest request;
    request.p1 = p1;
    request.p2 = p2;
    request.p3 = render::Point{p2.x + 10, p2.y};
    HostHeader header = parseHostHeader(host::buildHeader(request), SessionMode::normal);
    AnnotationSettings settings;
    settings.frameType = 0;
    settings.attachPosition = 4;
    settings.tipSymbol = 2;
    settings.dotRadius = 5;
    settings.leaderColor = 2;
    settings.arrowLength = arrowLength;
    OutputList prologue;
    StagedRun run(deriveSession(header, SessionMode::normal, settings, {"A"}, prologue));
    run.throughLeader();
    return run.records();
}

TEST(TipSymbol, SuppressionSquare)
{
    // Arrow length 20 at scale 1: half side 1.9.
    EXPECT_TRUE(derivedTipAndLeader({0, 0}, {1.5, 1.5}, 20).empty());
    EXPECT_EQ(derivedTipAndLeader({0, 0}, {2, 0}, 20),
              (Records{"lc2", "sc 0 0 0.5 1 0 0 3.1416 100", "lc2", " 0.5 0 2 0"}));
    // Arrow length 1: half side 0, nothing is suppressed, not even a leader of no length.
    EXPECT_EQ(derivedTipAndLeader({5, 5}, {5, 5}, 1),
              (Records{"lc2", "sc 5 5 0.5 1 0 0 3.1416 100", "lc2", " 5.5 5 5 5"}));
}

} // namespace
} // namespace tagler::test
