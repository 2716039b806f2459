#include "WriterTestSupport.h"

#include <gtest/gtest.h>

namespace tagler::test {
namespace {

// A one-line block 40 × 10 at scale 1 (half character width 1.5, so the
// straight edges end 3 short of the box when there is a frame gap).
WriterCase roundCase(int frameType, Point p1, Point p2, Point p3)
{
    WriterCase c = frameCase(frameType, p1, p2, p3);
    c.settings.noFrameGap = false;
    return c;
}

struct Case {
    const char* name;
    Point p1, p3;
    Records expected;
};

TEST(FrameLongRound, HalfCirclesByTextDirectionAndTipSide)
{
    const Case cases[] = {
        {"right, tip below: the box above point 2",
         {-30, -20},
         {10, 0},
         {"lc3", " 0 0 37 0", " 37 10 0 10", "ci 0 5 5 90 -90 1 0", "ci 37 5 5 -90 90 1 0"}},
        {"right, tip above: the box and both arcs below point 2",
         {-30, 20},
         {10, 0},
         {"lc3", " 0 0 37 0", " 37 -10 0 -10", "ci 0 -5 5 90 -90 1 0", "ci 37 -5 5 -90 90 1 0"}},
        {"left, tip below",
         {30, -20},
         {-10, 0},
         {"lc3", " 0 0 -37 0", " -37 10 0 10", "ci 0 5 5 -90 90 1 0", "ci -37 5 5 90 -90 1 0"}},
        {"rotated up, tip left: the box right of point 2",
         {-30, -20},
         {0, 50},
         {"lc3", " 0 0 0 37", " 10 37 10 0", "ci 5 0 5 180 0 1 0", "ci 5 37 5 0 180 1 0"}},
        {"rotated down, tip right: the box left of point 2",
         {30, 20},
         {0, -50},
         {"lc3", " 0 0 0 -37", " -10 -37 -10 0", "ci -5 0 5 0 180 1 0", "ci -5 -37 5 180 0 1 0"}},
    };
    for (const Case& k : cases)
        EXPECT_EQ(frameRecords(roundCase(3, k.p1, {0, 0}, k.p3)), k.expected) << k.name;
}

TEST(FrameLongRound, WithoutFrameGapTheStraightEdgesSpanTheBox)
{
    WriterCase c = roundCase(3, {-30, -20}, {0, 0}, {10, 0});
    c.settings.noFrameGap = true;
    EXPECT_EQ(frameRecords(c),
              (Records{"lc3", " 0 0 40 0", " 40 10 0 10", "ci 0 5 5 90 -90 1 0", "ci 40 5 5 -90 90 1 0"}));
}

// The frame moves by r along and across so the extension line ends on the
// outermost point of the near half circle: (20, 0) here, centre (25, 0) or
// (-25, 0) with radius 5; rotated, the lowest point (0, 20) of the circle at (0, 25).
TEST(FrameLongRound, ExtendedFrameMeetsTheExtensionAtTheNearHalfCircle)
{
    const Case cases[] = {
        {"right, tip below",
         {-30, -20},
         {50, 5},
         {"lc4", " 0 0 20 0", "lc3", " 25 -5 62 -5", " 62 5 25 5", "ci 25 0 5 90 -90 1 0", "ci 62 0 5 -90 90 1 0"}},
        {"right, tip above",
         {-30, 20},
         {50, 5},
         {"lc4", " 0 0 20 0", "lc3", " 25 5 62 5", " 62 -5 25 -5", "ci 25 0 5 90 -90 1 0", "ci 62 0 5 -90 90 1 0"}},
        {"left, tip below",
         {30, -20},
         {-50, 5},
         {"lc4", " 0 0 -20 0", "lc3", " -25 -5 -62 -5", " -62 5 -25 5", "ci -25 0 5 -90 90 1 0",
          "ci -62 0 5 90 -90 1 0"}},
        {"rotated up, tip left",
         {-30, -20},
         {5, 50},
         {"lc4", " 0 0 0 20", "lc3", " -5 25 -5 62", " 5 62 5 25", "ci 0 25 5 180 0 1 0", "ci 0 62 5 0 180 1 0"}},
    };
    for (const Case& k : cases) {
        WriterCase c = roundCase(8, k.p1, {0, 0}, k.p3);
        c.settings.extensionLengthMode = 1; // 指定 20 mm at 1/1
        c.settings.extensionLength = 20;
        EXPECT_EQ(frameRecords(c), k.expected) << k.name;
    }
}

// Leader end (100, 100), point 3 on a 3-4-5 slope. The arcs keep radius 5 and
// carry the writing angle atan(3/4) = 36.87° as their tilt; in the rotated
// layout (slope 4/3) the tilt is 53.13° − 90°.
TEST(FrameLongRound, TiltedFrameTurnsEdgesAndCentres)
{
    const Case cases[] = {
        {"horizontal",
         {60, 80},
         {140, 130},
         {"lc3", " 100 100 132 124", " 126 132 94 108", "ci 97 104 5 90 -90 1 36.8698959350586",
          "ci 129 128 5 -90 90 1 36.8698959350586"}},
        {"rotated",
         {60, 80},
         {130, 140},
         {"lc3", " 100 100 124 132", " 132 126 108 94", "ci 104 97 5 180 0 1 -36.8698959350586",
          "ci 128 129 5 0 180 1 -36.8698959350586"}},
    };
    for (const Case& k : cases) {
        WriterCase c = roundCase(3, k.p1, {100, 100}, k.p3);
        c.settings.noFrameGap = true;
        c.settings.tiltFrame = true;
        EXPECT_EQ(frameRecords(c), k.expected) << k.name;
    }
}

TEST(FrameLongRound, UnderlineAndLongRoundIgnoreTheAttachPosition)
{
    struct Frame {
        int type;
        Records expected;
    };
    const Frame frames[] = {
        {1, {"lc3", " 0 0 40 0"}},
        {3, {"lc3", " 0 0 37 0", " 37 10 0 10", "ci 0 5 5 90 -90 1 0", "ci 37 5 5 -90 90 1 0"}},
    };
    for (const Frame& f : frames) {
        for (int attach = 0; attach <= 4; ++attach) {
            WriterCase c = roundCase(f.type, {-30, -20}, {0, 0}, {10, 0});
            c.settings.attachPosition = attach;
            StagedRun run(c);
            run.throughFrames();
            EXPECT_EQ(run.records(), f.expected) << "frame " << f.type << ", attach " << attach;
            EXPECT_EQ(run.state().box.anchor().y, 0) << "frame " << f.type << ", attach " << attach;
        }
    }
}

// In text mode every frame takes the attach offset, here the bare block
// height B = 3 × scale for 最上行上; there is no leader. With no frame gap the
// text origin is the text point, so the box is not moved before the shift,
// except that the long-round frame first steps one half character (1.5) along.
TEST(FrameTextMode, UnderlineAndLongRoundTakeTheAttachShift)
{
    struct Case {
        const char* name;
        int frameType;
        int attach;
        Records expected;
    };
    const Case cases[] = {
        {"下線, 最下行下", 1, 4, {"lc3", " 0 0 40 0"}},
        {"下線, 最上行上", 1, 0, {"lc3", " 0 -3 40 -3"}},
        {"長丸, 最上行上",
         3,
         0,
         {"lc3", " 1.5 -3 41.5 -3", " 41.5 7 1.5 7", "ci 1.5 2 5 90 -90 1 0", "ci 41.5 2 5 -90 90 1 0"}},
    };
    for (const Case& k : cases) {
        WriterCase c = roundCase(k.frameType, {0, 0}, {0, 0}, {10, 0});
        c.mode = SessionMode::textMode;
        c.leaderVisible = false;
        c.settings.noFrameGap = true;
        c.settings.attachPosition = k.attach;
        EXPECT_EQ(frameRecords(c), k.expected) << k.name;
    }
}

// Text mode, tilted: the attach shift moves the near end off the leader end,
// so both ends of the underline turn. Scale 5: B = 15, and the 3-4-5 turn
// maps (0, -15) to (9, -12) and (40, -15) to (41, 12).
TEST(FrameTextMode, TiltedUnderlineTurnsBothEnds)
{
    WriterCase c = roundCase(1, {100, 100}, {100, 100}, {140, 130});
    c.mode = SessionMode::textMode;
    c.leaderVisible = false;
    c.scale = 5;
    c.settings.noFrameGap = true;
    c.settings.tiltFrame = true;
    c.settings.attachPosition = 0;
    EXPECT_EQ(frameRecords(c), (Records{"lc3", " 109 88 141 112"}));
}

} // namespace
} // namespace tagler::test
