#include "WriterTestSupport.h"

#include <gtest/gtest.h>

namespace tagler::test {
namespace {

// Scale 1, a block 40 wide; the underline in colour 3, the extension in 4.
// Tip symbol 記号なし with every other colour at 0, so the tip and the leader
// each write the host's colour record "lc9".
WriterCase underlineCase(int frameType, Point p1, Point p2, Point p3, double charHeight = 3, int lines = 1)
{
    WriterCase c = frameCase(frameType, p1, p2, p3);
    c.metrics = boxMetrics(40, float(charHeight * lines), charHeight, lines);
    return c;
}

TEST(FrameUnderline, OneLineAlongTheBaseInTheFrameColour)
{
    StagedRun run(underlineCase(1, {-30, -20}, {0, 0}, {10, 0}));
    run.throughLeader();
    EXPECT_EQ(run.records(), (Records{"lc3", " 0 0 40 0", "lc9", "lc9", " -30 -20 0 0"}));
    EXPECT_FALSE(run.state().frame.underlineShifted);
}

// 下線延長 draws no separate extension line: one underline through the
// extension to the end of the text, in the extension colour; the text then
// starts after the extension.
TEST(FrameUnderline, ExtendedUnderlineCoversTheExtension)
{
    struct Case {
        const char* name;
        Point p1, p3;
        Records expected;
        Point anchor, farCorner;
    };
    const Case cases[] = {
        {"right", {-30, -20}, {50, 5}, {"lc4", " 0 0 60 0"}, {20, 0}, {60, 10}},
        {"left", {30, -20}, {-50, 5}, {"lc4", " 0 0 -60 0"}, {-20, 0}, {-60, 10}},
    };
    for (const Case& k : cases) {
        WriterCase c = underlineCase(6, k.p1, {0, 0}, k.p3);
        c.settings.extensionLengthMode = 1; // 指定 20 mm at 1/1
        c.settings.extensionLength = 20;
        StagedRun run(c);
        run.throughFrames();
        EXPECT_EQ(run.records(), k.expected) << k.name;
        EXPECT_EQ(run.state().box.anchor().x, k.anchor.x) << k.name;
        EXPECT_EQ(run.state().box.farCorner().x, k.farCorner.x) << k.name;
    }
}

// The text runs right, back towards a tip up and to the right at (10, s), so
// the steepness is s itself; one line of height hA, nothing slid (hB = 0).
// Each row of the crossing table against its neighbour: the leader passes
// (one line to the leader end), the text makes way (the underline grows by
// t = (hA/2 + 3 − s/12)), or the leader is rerouted to K on the block's top
// edge above the leader end, or hidden when the tip lies within the text.
TEST(FrameUnderline, CrossingTableRows)
{
    struct Case {
        const char* name;
        double hA;
        float s;
        const char* underline;
        Records leader;
    };
    auto passes = [](const char* s) { return Records{"lc9", "lc9", std::string(" 10 ") + s + " 0 0"}; };
    auto rerouted = [](const char* s, const char* ky) {
        return Records{"lc9", "lc9", std::string(" 0 0 0 ") + ky, std::string(" 10 ") + s + " 0 " + ky};
    };
    const Case cases[] = {
        {"row 1: hA < 9, s > 50", 5, 60, " 0 0 40 0", passes("60")},
        {"row 6 at s = 48: t = 2.5 + 3 - 4", 5, 48, " 0 0 41.5 0", passes("48")},
        {"s = 8 is no row 6: rerouted", 5, 8, " 0 0 40 0", rerouted("8", "5")},
        {"row 6: hA < 6, t = 2.3 + 3 - 0.8", 4.6, 9.6f, " 0 0 44.5 0", passes("9.60000038146973")},
        {"hA = 7 is past row 6 and s below row 7", 7, 9.6f, " 0 0 40 0", rerouted("9.60000038146973", "7")},
        {"row 7: t = 4 + 3 - 1", 8, 12, " 0 0 46 0", passes("12")},
        {"s = 10 is no row 7", 8, 10, " 0 0 40 0", rerouted("10", "8")},
        {"row 5: hA <= 4, s eased to 12: t = 2 + 3 - 1", 4, 20.4f, " 0 0 44 0", passes("20.3999996185303")},
        {"s = 13 is no row 5 but row 6: t = 5 - 13/12", 4, 13, " 0 0 43.9166679382324 0", passes("13")},
        {"row 2: hA < 18, s > 90", 12, 96, " 0 0 40 0", passes("96")},
        {"row 8: t = 6 + 3 - 7", 12, 84, " 0 0 42 0", passes("84")},
        {"row 3: hA < 26, s > 120", 20, 132, " 0 0 40 0", passes("132")},
        {"row 10 takes s = 120: t = 10 + 3 - 10", 20, 120, " 0 0 43 0", passes("120")},
        {"row 4: hA > 25, s > 170", 30, 180, " 0 0 40 0", passes("180")},
        {"row 11 takes s = 168: t = 15 + 3 - 14", 30, 168, " 0 0 44 0", passes("168")},
        {"row 12: hA > 33, t = 17 + 3 - 3", 34, 36, " 0 0 57 0", passes("36")},
        {"hA = 33 is neither row 11 nor row 12", 33, 36, " 0 0 40 0", rerouted("36", "33")},
        {"no row and the tip within the text: no leader", 7, 6, " 0 0 40 0", {}},
    };
    for (const Case& k : cases) {
        StagedRun run(underlineCase(1, {10, k.s}, {0, 0}, {10, 0}, k.hA));
        run.throughLeader();
        Records expected{"lc3", k.underline};
        expected.insert(expected.end(), k.leader.begin(), k.leader.end());
        EXPECT_EQ(run.records(), expected) << k.name;
    }
}

// The extension adds |extX| / scale / 1.4 to the steepness for the table only:
// here 7 / 1.4 = 5 lifts s = 4.8 into row 6, and the move is
// (2.5 + 3 - 4.8/12) / 1.7 = 3, on top of the extension.
TEST(FrameUnderline, ExtensionCountsTowardsTheTableOnly)
{
    WriterCase c = underlineCase(6, {10, 4.8f}, {0, 0}, {10, 0}, 5);
    c.settings.extensionLengthMode = 1;
    c.settings.extensionLength = 7;
    StagedRun run(c);
    run.throughLeader();
    EXPECT_EQ(run.records(), (Records{"lc4", " 0 0 50 0", "lc9", "lc9", " 10 4.80000019073486 0 0"}));
    EXPECT_TRUE(run.state().frame.underlineShifted);
    EXPECT_EQ(run.state().frame.underlineShift, 3);
}

// Two lines of height 4, the bottom one slid below the underline (hA = hB = 4,
// block height 8). A tip below the base with the text running back over the
// leader: the underline grows by t = hB/2 + 2 - s/12 (halved for 下線延長).
TEST(FrameUnderline, LeaderUnderSlidTextMovesTheText)
{
    struct Case {
        const char* name;
        int frameType;
        Point p1, p3;
        const char* underline;
        float shift;
    };
    const Case cases[] = {
        {"right", 1, {10, -24}, {10, 0}, " 0 0 42 0", 2},
        {"left", 1, {-10, -24}, {-10, 0}, " 0 0 -42 0", -2},
        {"rotated up", 1, {24, 10}, {0, 10}, " 0 0 0 42", 2},
        {"extended: half the move after the extension", 6, {10, -24}, {10, 0}, " 0 0 48 0", 1},
    };
    for (const Case& k : cases) {
        WriterCase c = underlineCase(k.frameType, k.p1, {0, 0}, k.p3, 4, 2);
        c.metrics.effectiveSlide = 1;
        c.settings.extensionLengthMode = 1;
        c.settings.extensionLength = 7;
        StagedRun run(c);
        run.throughFrames();
        ASSERT_EQ(run.records().size(), 2u) << k.name;
        EXPECT_EQ(run.records()[1], k.underline) << k.name;
        EXPECT_TRUE(run.state().frame.underlineShifted) << k.name;
        EXPECT_EQ(run.state().frame.underlineShift, k.shift) << k.name;
    }
}

TEST(FrameUnderline, SlidLinesAndTheConnector)
{
    struct Case {
        const char* name;
        Point p1;
        int lines;
        Records expected;
    };
    const Case cases[] = {
        // Row 5 would move the text, but every line lies below the underline: nothing moves.
        {"all slid, row 5", {10, 48}, 1, {"lc3", " 0 0 40 0", "lc9", "lc9", " 10 48 0 0"}},
        // No row; with every line below the underline the leader is not rerouted.
        {"all slid, no row", {10, 8}, 1, {"lc3", " 0 0 40 0", "lc9", "lc9", " 10 8 0 0"}},
        // One of two lines slid: K sits one line pitch below the block's top (8 - 4).
        {"one of two slid", {10, 6}, 2, {"lc3", " 0 0 40 0", "lc9", "lc9", " 0 0 0 4", " 10 6 0 4"}},
    };
    for (const Case& k : cases) {
        WriterCase c = underlineCase(1, k.p1, {0, 0}, {10, 0}, 4, k.lines);
        c.metrics.effectiveSlide = 1;
        StagedRun run(c);
        run.throughLeader();
        EXPECT_EQ(run.records(), k.expected) << k.name;
        EXPECT_FALSE(run.state().frame.underlineShifted) << k.name;
    }
}

TEST(FrameUnderline, RotatedLayoutReroutesAcrossTheStackingAxis)
{
    // Lines run up from (0, 0); the tip above and to the left: s = 10 × 6/10.
    StagedRun run(underlineCase(1, {-6, 10}, {0, 0}, {0, 10}, 5));
    run.throughLeader();
    EXPECT_EQ(run.records(), (Records{"lc3", " 0 0 0 40", "lc9", "lc9", " 0 0 -5 0", " -6 10 -5 0"}));

    // Steeper across (s = 24): row 6 moves the text by 2.5 + 3 - 2 along +y.
    StagedRun steep(underlineCase(1, {-24, 10}, {0, 0}, {0, 10}, 5));
    steep.throughLeader();
    EXPECT_EQ(steep.records(), (Records{"lc3", " 0 0 0 43.5", "lc9", "lc9", " -24 10 0 0"}));
}

// Leader end (100, 100), point 3 on a 3-4-5 slope: the far end turns by
// cos 0.8, sin 0.6 about the leader end; the near end is the leader end.
TEST(FrameUnderline, TiltedFarEndTurnsAboutTheLeaderEnd)
{
    WriterCase plain = underlineCase(1, {60, 80}, {100, 100}, {140, 130});
    plain.settings.tiltFrame = true;
    EXPECT_EQ(frameRecords(plain), (Records{"lc3", " 100 100 132 124"}));

    // 下線延長 with 25 along the slope: the far end (165, 100) turns to (152, 139).
    WriterCase extended = underlineCase(6, {60, 80}, {100, 100}, {140, 130});
    extended.settings.tiltFrame = true;
    extended.settings.extensionLengthMode = 1;
    extended.settings.extensionLength = 25;
    EXPECT_EQ(frameRecords(extended), (Records{"lc4", " 100 100 152 139"}));
}

} // namespace
} // namespace tagler::test
