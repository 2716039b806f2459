#include "WriterTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tagler::test {
namespace {

// The shared frame case attached at its bottom line (最下行下, D = 0).
WriterCase frameCase(int frameType, Point p1, Point p2, Point p3)
{
    WriterCase c = test::frameCase(frameType, p1, p2, p3);
    c.settings.attachPosition = 4;
    return c;
}

TEST(FrameBox, UntiltedBoxRunsFromTheAnchorRoundTheFarCorner)
{
    WriterCase c = frameCase(2, {-30, -20}, {0, 0}, {10, 0});
    EXPECT_EQ(frameRecords(c), (Records{"lc3", " 0 0 40 0", " 40 0 40 10", " 40 10 0 10", " 0 10 0 0"}));
}

// The attach position moves the box only when the text runs away from the tip;
// when it runs back over the leader the box hangs beside the leader end instead.
TEST(FrameBox, AttachPositionAgainstSidePlacement)
{
    struct Case {
        const char* name;
        Point p1;
        int attach;
        Records expected;
    };
    const Records above{"lc3", " 0 0 40 0", " 40 0 40 10", " 40 10 0 10", " 0 10 0 0"};
    const Records below{"lc3", " 0 -10 40 -10", " 40 -10 40 0", " 40 0 0 0", " 0 0 0 -10"};
    const Records hanging{"lc3", " 0 0 40 0", " 40 0 40 -10", " 40 -10 0 -10", " 0 -10 0 0"};
    const Case cases[] = {
        {"away, 最上行上: the top edge on point 2", {-30, -20}, 0, below},
        {"away, 全体中央", {-30, -20}, 2, {"lc3", " 0 -5 40 -5", " 40 -5 40 5", " 40 5 0 5", " 0 5 0 -5"}},
        {"away, 最下行下", {-30, -20}, 4, above},
        {"back over the leader, tip below, 最上行上", {30, -20}, 0, above},
        {"back over the leader, tip below, 全体中央", {30, -20}, 2, above},
        {"back over the leader, tip above, 最上行上", {30, 20}, 0, hanging},
        {"back over the leader, tip above, 最下行下", {30, 20}, 4, hanging},
    };
    for (const Case& k : cases) {
        WriterCase c = frameCase(2, k.p1, {0, 0}, {10, 0});
        c.settings.attachPosition = k.attach;
        EXPECT_EQ(frameRecords(c), k.expected) << k.name;
    }
}

TEST(FrameBox, RotatedLayoutStacksTowardsMinusX)
{
    // Point 3 straight above point 2: the lines run up, the box lies left of the anchor.
    WriterCase c = frameCase(2, {-30, -20}, {0, 0}, {0, 50});
    EXPECT_EQ(frameRecords(c), (Records{"lc3", " 0 0 -10 0", " -10 0 -10 40", " -10 40 0 40", " 0 40 0 0"}));
    // 最上行上 moves the anchor by the box height along +x.
    c.settings.attachPosition = 0;
    EXPECT_EQ(frameRecords(c), (Records{"lc3", " 10 0 0 0", " 0 0 0 40", " 0 40 10 40", " 10 40 10 0"}));
}

TEST(FrameBox, ExtendedBoxStartsAtTheEndOfTheExtension)
{
    WriterCase c = frameCase(7, {-30, -20}, {0, 0}, {50, 5});
    c.settings.extensionLengthMode = 1; // 指定 20 mm at 1/1
    c.settings.extensionLength = 20;
    StagedRun run(c);
    run.throughFrames();
    EXPECT_EQ(run.records(),
              (Records{"lc4", " 0 0 20 0", "lc3", " 20 0 60 0", " 60 0 60 10", " 60 10 20 10", " 20 10 20 0"}));
    EXPECT_EQ(run.state().box.anchor().x, 20);
    EXPECT_EQ(run.state().box.farCorner().x, 60);
}

// Point 3 on a 3-4-5 slope from the leader end (100, 100): the turn has
// cos 0.8 and sin 0.6, so the turned corners land on whole numbers.
TEST(FrameBox, TiltedCornersTurnAboutTheLeaderEnd)
{
    struct Case {
        const char* name;
        Point p1, p3;
        Records expected;
    };
    const Case cases[] = {
        {"text running right",
         {60, 80},
         {140, 130},
         {"lc3", " 100 100 132 124", " 132 124 126 132", " 126 132 94 108", " 94 108 100 100"}},
        // Running left the box is laid out towards -x and turned by the same angle.
        {"text running left",
         {140, 80},
         {60, 70},
         {"lc3", " 100 100 68 76", " 68 76 62 84", " 62 84 94 108", " 94 108 100 100"}},
    };
    for (const Case& k : cases) {
        WriterCase c = frameCase(2, k.p1, {100, 100}, k.p3);
        c.settings.tiltFrame = true;
        EXPECT_EQ(frameRecords(c), k.expected) << k.name;
    }
}

// Scale 50: the box is 2000 × 500 and the arms are 50 long (1 mm at 1/1).
WriterCase bracketCase(int frameType, Point p1, Point p3)
{
    WriterCase c = frameCase(frameType, p1, {0, 0}, p3);
    c.scale = 50;
    c.metrics = boxMetrics(2000, 500);
    return c;
}

TEST(FrameBracket, ThreeLinesWithArmsOneMillimetreLong)
{
    struct Case {
        const char* name;
        Point p1, p3;
        Records expected;
    };
    const Case cases[] = {
        {"text running right", {-1500, -1000}, {500, 0}, {"lc3", " 0 0 50 0", " 50 500 0 500", " 0 500 0 0"}},
        {"text running left", {1500, -1000}, {-500, 0}, {"lc3", " 0 0 -50 0", " -50 500 0 500", " 0 500 0 0"}},
        // Rotated: the bar runs across the stacking axis, the arms along the text.
        {"rotated, running up", {-1500, -1000}, {0, 500}, {"lc3", " 0 0 -500 0", " -500 0 -500 50", " 0 50 0 0"}},
        {"rotated, running down", {-1500, 1000}, {0, -500}, {"lc3", " 0 0 -500 0", " -500 0 -500 -50", " 0 -50 0 0"}},
    };
    for (const Case& k : cases)
        EXPECT_EQ(frameRecords(bracketCase(4, k.p1, k.p3)), k.expected) << k.name;
}

TEST(FrameBracket, ExtendedBracketStandsAtTheExtensionEndAndTakesTheAttachShift)
{
    WriterCase c = bracketCase(9, {-1500, -1000}, {500, 0});
    c.settings.extensionLengthMode = 1; // 指定 2 mm at 1/1 = 100
    c.settings.extensionLength = 2;
    c.settings.attachPosition = 0; // the box's top edge on the extension
    EXPECT_EQ(frameRecords(c),
              (Records{"lc4", " 0 0 100 0", "lc3", " 100 -500 150 -500", " 150 0 100 0", " 100 0 100 -500"}));
}

TEST(FrameBracket, TiltedBracketTurnsAboutTheLeaderEnd)
{
    // Scale 5: arms 5 long; the 3-4-5 turn maps (5, 0) to (4, 3) and (0, 50) to (-30, 40).
    WriterCase c = frameCase(4, {60, 80}, {100, 100}, {140, 130});
    c.scale = 5;
    c.metrics = boxMetrics(200, 50);
    c.settings.tiltFrame = true;
    EXPECT_EQ(frameRecords(c), (Records{"lc3", " 100 100 104 103", " 74 143 70 140", " 70 140 100 100"}));
}

TEST(FrameNone, WritesNothingButTheTextStillMovesByTheAttachOffset)
{
    struct Case {
        int attach;
        const char* textRecord;
    };
    // No frame gap: the text starts on the anchor, written 40 long.
    const Case cases[] = {{4, "ch 0 0 40 0 \"ABC"}, {2, "ch 0 -5 40 0 \"ABC"}, {0, "ch 0 -10 40 0 \"ABC"}};
    for (const Case& k : cases) {
        WriterCase c = frameCase(0, {-30, -20}, {0, 0}, {10, 0});
        c.settings.attachPosition = k.attach;
        c.metrics.maxLineBytes = 3;
        c.lines = {"ABC"};
        EXPECT_TRUE(frameRecords(c).empty()) << k.attach;
        const Records all = runRecords(c);
        EXPECT_EQ(std::count(all.begin(), all.end(), std::string(k.textRecord)), 1) << k.attach;
    }
}

} // namespace
} // namespace tagler::test
