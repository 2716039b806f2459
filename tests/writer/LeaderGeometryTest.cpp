#include "support/RunFixture.h"

#include "base/Error.h"
#include "writer/LeaderGeometry.h"
#include "writer/LeaderLayout.h"
#include "writer/TiltRotation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace tagler {
namespace {

using test::HeaderSpec;

struct Geometry {
    WriterInput input;
    OutputList out;
    LeaderLayout layout;
};

std::unique_ptr<Geometry> geometry(const HeaderSpec& h, const AnnotationSettings& s,
                                   SessionMode mode = SessionMode::normal)
{
    auto g = std::make_unique<Geometry>();
    const HostHeader header = parseHostHeader(test::headerLines(h, mode), mode);
    g->input = deriveSession(header, mode, s, {"abc"}, g->out);
    computeLeaderLayout(g->input, g->layout);
    return g;
}

HeaderSpec points(const char* p1, const char* p2, const char* p3)
{
    HeaderSpec h;
    h.p1 = p1;
    h.p2 = p2;
    h.p3 = p3;
    return h;
}

TEST(LeaderGeometry, DirectionFlags)
{
    struct Case {
        const char *p1, *p2, *p3;
        int steep;
        bool right, up, runsLeft, runsDown;
    };
    const Case cases[] = {
        {"0 0", "10 10", "20 10", 0, true, false, false, false},
        {"20 20", "10 10", "0 12", 0, false, true, true, true},
        {"0 20", "10 10", "11 0", 1, true, false, false, true},
        {"10 10", "10 10", "20 20", 0, true, true, false, false},  // a tie goes to the horizontal layout
        {"10 0", "10 10", "10 10", 0, false, false, false, false}, // equal coordinates give false
    };
    for (const Case& c : cases) {
        auto g = geometry(points(c.p1, c.p2, c.p3), {});
        const LeaderLayout& s = g->layout;
        EXPECT_EQ(s.steepExtension, c.steep) << c.p1 << " " << c.p2 << " " << c.p3;
        EXPECT_EQ(s.extendsRight, c.right) << c.p3;
        EXPECT_EQ(s.extendsUp, c.up) << c.p3;
        EXPECT_EQ(s.leaderRunsLeft, c.runsLeft) << c.p1;
        EXPECT_EQ(s.leaderRunsDown, c.runsDown) << c.p1;
    }
}

TEST(LeaderGeometry, PointThreeStraightAboveReleasesTiltAndRotatesTheLayout)
{
    AnnotationSettings s;
    s.tiltFrame = true;
    auto g = geometry(points("0 0", "10 10", "10 30"), s);
    EXPECT_FALSE(g->layout.tilted);
    EXPECT_TRUE(g->layout.tiltReleased);
    EXPECT_EQ(g->layout.steepExtension, 1);
}

TEST(LeaderGeometry, ExtensionIsNormalisedAlongTheLayoutAxis)
{
    struct Case {
        const char* p3;
        int mode;
        int length;
        float x3, y3, extX, extY;
    };
    const Case cases[] = {
        {"14 13", 0, 0, 15, 13, 5, 0}, // 任意: the full distance 5, along x
        {"14 13", 1, 0, 10, 13, 0, 0}, // 指定 0: zero length, still along x
        {"0 11", 1, 3, 7, 11, -3, 0},  // extending left
        {"11 30", 1, 7, 11, 17, 0, 7}, // rotated, up
        {"11 -30", 0, 0, 11, 10 - std::sqrt(1.0f + 1600.0f), 0, -std::sqrt(1.0f + 1600.0f)},
    };
    for (const Case& c : cases) {
        AnnotationSettings s;
        s.extensionLengthMode = c.mode;
        s.extensionLength = c.length;
        auto g = geometry(points("0 0", "10 10", c.p3), s);
        EXPECT_FLOAT_EQ(g->layout.p3.x, c.x3) << c.p3;
        EXPECT_FLOAT_EQ(g->layout.p3.y, c.y3) << c.p3;
        EXPECT_FLOAT_EQ(g->layout.extensionVector.x, c.extX) << c.p3;
        EXPECT_FLOAT_EQ(g->layout.extensionVector.y, c.extY) << c.p3;
    }
}

TEST(LeaderGeometry, ZeroExtensionIsStillWritten)
{
    AnnotationSettings s;
    s.frameType = 5;
    s.extensionLengthMode = 1;
    s.attachPosition = 4;
    const auto run = test::runAnnotation(points("0 0", "10 10", "14 13"), s, {"a"});
    EXPECT_NE(std::find(run.records.begin(), run.records.end(), " 10 10 10 10"), run.records.end());
    s.extensionLengthMode = 0;
    const auto free = test::runAnnotation(points("0 0", "10 10", "14 13"), s, {"a"});
    EXPECT_NE(std::find(free.records.begin(), free.records.end(), " 10 10 15 10"), free.records.end());
    EXPECT_NE(std::find(free.records.begin(), free.records.end(), "ch 15 10 1 0 \"a"), free.records.end());
}

TEST(LeaderGeometry, FixedLengthSlidesTheLeaderEndAndTheExtension)
{
    AnnotationSettings s;
    s.fixedLeaderLength = true;
    s.rememberedLeaderLength = "10";
    HeaderSpec h = points("0 0", "300 400", "400 400");
    h.scales = "100 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1";
    auto g = geometry(h, s);
    EXPECT_FLOAT_EQ(g->layout.p2.x, 600);
    EXPECT_FLOAT_EQ(g->layout.p2.y, 800);
    EXPECT_FLOAT_EQ(g->layout.leaderEnd.x, 600);
    EXPECT_FLOAT_EQ(g->layout.p3.y, 800); // moved by the same vector (x is then normalised)
    EXPECT_FLOAT_EQ(g->layout.p3.x, 700);
}

TEST(LeaderGeometry, FixedLengthOfAZeroLeaderIsAnError)
{
    AnnotationSettings s;
    s.fixedLeaderLength = true;
    s.rememberedLeaderLength = "10";
    EXPECT_THROW(geometry(points("5 5", "5 5", "9 5"), s), Error);
}

TEST(LeaderGeometry, LeaderOverOrUnderTheText)
{
    struct Case {
        const char* p1;
        bool over, under;
    };
    const Case cases[] = {
        {"20 20", true, false}, // tip right and above, text running right
        {"20 0", false, true},  // tip right and below
        {"0 20", false, false}, // tip on the left
    };
    for (const Case& c : cases) {
        auto g = geometry(points(c.p1, "10 10", "30 10"), {});
        EXPECT_EQ(g->layout.leaderOverText, c.over) << c.p1;
        EXPECT_EQ(g->layout.leaderUnderText, c.under) << c.p1;
    }
    // A hidden leader crosses nothing.
    auto hidden = geometry(points("10.5 10.5", "10 10", "30 10"), {});
    EXPECT_FALSE(hidden->layout.leaderOverText || hidden->layout.leaderUnderText);
}

TEST(TiltRotation, TurnsTheUntiltedLayoutOntoTheExtension)
{
    struct Case {
        const char* p3;
        double writing, rotation;
    };
    const Case cases[] = {
        {"20 20", 45, 45},
        {"20 0", -45, 315},
        {"0 20", -45, -45}, // extending left: the box is laid out to the left, then turned
        {"0 0", 45, 45},
    };
    for (const Case& c : cases) {
        AnnotationSettings s;
        s.tiltFrame = true;
        auto g = geometry(points("0 0", "10 10", c.p3), s);
        const TiltAngles t = tiltAngles(g->layout, g->layout.leaderEnd, g->layout.p3);
        EXPECT_NEAR(t.writingAngle, c.writing, 1e-9) << c.p3;
        EXPECT_NEAR(t.rotationAngle, c.rotation, 1e-9) << c.p3;
    }
    const Point turned = rotateAbout(Point{20, 10}, Point{10, 10}, 90);
    EXPECT_NEAR(turned.x, 10, 1e-5);
    EXPECT_NEAR(turned.y, 20, 1e-5);
}

TEST(LeaderRecords, HiddenOrAbsentLeadersWriteNothingButTheTextStays)
{
    AnnotationSettings s;
    s.tipSymbol = 6;
    const auto near = test::runAnnotation(points("0 0", "1 1", "10 1"), s, {"a"});
    EXPECT_EQ(std::count_if(near.records.begin(), near.records.end(),
                            [](const std::string& r) { return r.rfind(" ", 0) == 0 || r.rfind("lc", 0) == 0; }),
              0);
    EXPECT_NE(std::find(near.records.begin(), near.records.end(), "cn1"), near.records.end());

    s.tipSymbol = 0;
    const auto none = test::runAnnotation(points("0 0", "50 50", "60 50"), s, {"a"});
    EXPECT_EQ(std::count_if(none.records.begin(), none.records.end(),
                            [](const std::string& r) { return r.rfind(" ", 0) == 0; }),
              0);
}

TEST(LeaderRecords, FourPointLeaderBendsThroughPointFour)
{
    AnnotationSettings s;
    HeaderSpec h = points("0 0", "20 10", "30 10");
    h.p4 = "5 10";
    const auto run = test::runAnnotation(h, s, {"a"}, SessionMode::fourPoint);
    const auto first = std::find(run.records.begin(), run.records.end(), " 0 0 5 10");
    ASSERT_NE(first, run.records.end());
    EXPECT_EQ(*(first + 1), " 5 10 20 10");
}

} // namespace
} // namespace tagler
