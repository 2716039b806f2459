#include "WriterTestSupport.h"

#include "base/Error.h"
#include "writer/ExistingTextFrames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <sstream>
#include <utility>

namespace tagler::test {
namespace {

// Host text type 1 of the test header: width 2, height 2, spacing 0, so a text's half
// character is 1 and its height 2. No frame gaps set: g = 1/2.4 + 1.3, v = 2/7 + 1.2.
WriterInput framingInput(SessionMode mode, int frameType)
{
    WriterInput in;
    in.mode = mode;
    in.settings.frameType = frameType;
    in.host = testHostRecords();
    in.scale = 1;
    for (std::size_t i = 0; i < 10; ++i) {
        in.hostTextSizes.widths[i] = std::to_string(2 * (i + 1)) + " ";
        in.hostTextSizes.heights[i] = std::to_string(2 * (i + 1)) + " ";
        in.hostTextSizes.spacings[i] = "0";
    }
    return in;
}

Records aroundAll(int frameType, const Records& records)
{
    OutputList out;
    writeFrameAroundAll(framingInput(SessionMode::frameWrite1, frameType), records, testClock(), out);
    return out.records();
}

Records eachText(int frameType, const Records& records)
{
    const WriterInput in = framingInput(SessionMode::frameWrite2, frameType);
    ExistingTextState state;
    OutputList out;
    for (const std::string& r : records)
        writeFrameAroundText(in, r, state, testClock(), out);
    return out.records();
}

const Records kTwoTexts = {"cn1", "ch 0 0 12 0 \"ABCDEF", "ch 0 -5 8 0 \"GHIJ"};

TEST(ExistingTextFrames, OneFrameAroundAllTextsWithHalfTheGapsOnEverySide)
{
    EXPECT_EQ(aroundAll(2, kTwoTexts),
              (Records{"lc9", " -0.858333349227905 -5.74285697937012 12.8583335876465 -5.74285697937012",
                       " 12.8583335876465 -5.74285697937012 12.8583335876465 2.7428572177887",
                       " 12.8583335876465 2.7428572177887 -0.858333349227905 2.7428572177887",
                       " -0.858333349227905 2.7428572177887 -0.858333349227905 -5.74285697937012"}));
}

TEST(ExistingTextFrames, OneFramePerTextAlongIt)
{
    EXPECT_EQ(eachText(2, kTwoTexts),
              (Records{"lc9", " -0.858333349227905 -0.742857158184052 12.8583335876465 -0.742857158184052",
                       " 12.8583335876465 -0.742857158184052 12.8583335876465 2.7428572177887",
                       " 12.8583335876465 2.7428572177887 -0.858333349227905 2.7428572177887",
                       " -0.858333349227905 2.7428572177887 -0.858333349227905 -0.742857158184052", "lc9",
                       " -0.858333349227905 -5.74285697937012 8.85833358764648 -5.74285697937012",
                       " 8.85833358764648 -5.74285697937012 8.85833358764648 -2.2571427822113",
                       " 8.85833358764648 -2.2571427822113 -0.858333349227905 -2.2571427822113",
                       " -0.858333349227905 -2.2571427822113 -0.858333349227905 -5.74285697937012"}));
}

TEST(ExistingTextFrames, LongRoundHasNoGapAlongTheTextAndSwapsItsEndsForAReversedText)
{
    // Shortened by a third of the half character at each end: 40..70 becomes 40.33..69.67;
    // radius (2 + v) / 2. The reversed text is laid out from its insertion point, then turned.
    EXPECT_EQ(eachText(3, {"cn1", "ch 40 0 30 0 \"R"}),
              (Records{"lc9", " 40.3333320617676 -0.742857158184052 69.6666641235352 -0.742857158184052",
                       " 69.6666641235352 2.7428572177887 40.3333320617676 2.7428572177887",
                       "ci 40.3333320617676 1 1.7428572177887 90 -90 1 0",
                       "ci 69.6666641235352 1 1.7428572177887 -90 90 1 0"}));
    EXPECT_EQ(eachText(3, {"cn1", "ch 70 0 -30 0 \"R"}),
              (Records{"lc9", " 69.6666641235352 0.742857158184052 40.3333358764648 0.742857158184052",
                       " 40.3333358764648 -2.7428572177887 69.6666641235352 -2.7428572177887",
                       "ci 69.6666641235352 -1 1.7428572177887 -90 90 1 0",
                       "ci 40.3333358764648 -1 1.7428572177887 90 -90 1 0"}));
}

TEST(ExistingTextFrames, TextsRunningStraightUpOrDownAreFramedOnTheirOwnSide)
{
    // Turned by the text's direction: rising text lies left of its base line, falling text right of it.
    const struct {
        const char* record;
        double xFrom, xTo, yFrom, yTo;
    } rows[] = {{"ch 22 4 0 9 \"UP", 22 - 2 - 0.75, 22 + 0.75, 4 - 0.86, 13 + 0.86},
                {"ch 40 4 0 -9 \"DOWN", 40 - 0.75, 40 + 2 + 0.75, -5 - 0.86, 4 + 0.86}};
    for (const auto& row : rows) {
        const Records r = eachText(2, {"cn1", row.record});
        ASSERT_EQ(r.size(), 5u) << row.record;
        for (std::size_t i = 1; i < r.size(); ++i) {
            const std::vector<double> v = numbersOf(r[i]);
            for (std::size_t k = 0; k < 4; k += 2) {
                EXPECT_GE(v[k], row.xFrom) << r[i];
                EXPECT_LE(v[k], row.xTo) << r[i];
                EXPECT_GE(v[k + 1], row.yFrom) << r[i];
                EXPECT_LE(v[k + 1], row.yTo) << r[i];
            }
        }
    }
}

// The direction from an arc's centre to the middle of its sweep, flattened and turned as written:
// "ci" cx cy r start end flatness tilt.
std::pair<double, double> bulgeOf(const std::vector<double>& arc)
{
    const double sweep = std::fmod(arc[4] - arc[3] + 720, 360);
    const double middle = (arc[3] + sweep / 2) / kDegreesPerRadian;
    const double u = std::cos(middle), v = arc[5] * std::sin(middle);
    const double t = arc[6] / kDegreesPerRadian;
    return {u * std::cos(t) - v * std::sin(t), u * std::sin(t) + v * std::cos(t)};
}

TEST(ExistingTextFrames, RoundEndsAndScallopsBulgeOutwardsWhicheverWayTheTextRuns)
{
    // Every 15°, and the directions an insertion point of 100 loses in single precision.
    std::vector<std::string> directions;
    for (int degrees = 0; degrees < 360; degrees += 15) {
        std::ostringstream d;
        d << std::setprecision(17) << 60 * std::cos(degrees / kDegreesPerRadian) << ' '
          << 60 * std::sin(degrees / kDegreesPerRadian);
        directions.push_back(d.str());
    }
    for (const std::string tiny : {"0", "-0", "1E-14", "-1E-14"}) {
        for (const std::string along : {"60", "-60"}) {
            directions.push_back(tiny + " " + along);
            directions.push_back(along + " " + tiny);
        }
    }
    for (const int frame : {3, 8, 11, 12}) {
        for (const std::string& d : directions) {
            const Records r = eachText(frame, {"cn1", "ch 100 200 " + d + " \"ABCDEFGHIJ"});
            std::vector<std::vector<double>> arcs;
            double cx = 0, cy = 0;
            for (const std::string& record : r) {
                if (record.rfind("ci ", 0) == 0) {
                    arcs.push_back(numbersOf(record));
                    cx += arcs.back()[0];
                    cy += arcs.back()[1];
                }
            }
            ASSERT_GE(arcs.size(), 2u) << frame << ": " << d;
            cx /= double(arcs.size());
            cy /= double(arcs.size());
            for (const std::vector<double>& arc : arcs) {
                const auto [bx, by] = bulgeOf(arc);
                EXPECT_GT(bx * (arc[0] - cx) + by * (arc[1] - cy), 0) << frame << ": " << d;
            }
        }
    }
}

TEST(ExistingTextFrames, OneFrameAroundAllEnclosesTextsRunningEveryWay)
{
    // A text's characters cover its length along it and its height (2) on its left.
    struct Text {
        int x, dx, dy;
    };
    const Text texts[] = {{0, 12, 0},    {30, 9, 9},    {60, 0, 12},   {90, -9, 9},
                          {120, -12, 0}, {150, -9, -9}, {180, 0, -12}, {210, 9, -9}};
    auto record = [](const Text& t) {
        return "ch " + std::to_string(t.x) + " 0 " + std::to_string(t.dx) + " " + std::to_string(t.dy) + " \"T";
    };
    auto expectInside = [](const Records& frame, const Text& t, const std::string& where) {
        ASSERT_EQ(frame.size(), 5u) << where;
        double left = HUGE_VAL, right = -HUGE_VAL, bottom = HUGE_VAL, top = -HUGE_VAL;
        for (std::size_t i = 1; i < frame.size(); ++i) {
            const std::vector<double> v = numbersOf(frame[i]);
            left = std::min({left, v[0], v[2]});
            right = std::max({right, v[0], v[2]});
            bottom = std::min({bottom, v[1], v[3]});
            top = std::max({top, v[1], v[3]});
        }
        const double length = std::hypot(t.dx, t.dy);
        for (const double along : {0.0, 1.0}) {
            for (const double up : {0.0, 2.0}) {
                const double x = t.x + along * t.dx - up * t.dy / length;
                const double y = along * t.dy + up * t.dx / length;
                EXPECT_TRUE(left <= x && x <= right && bottom <= y && y <= top)
                    << where << ": (" << x << ", " << y << ") outside " << left << ".." << right << " × " << bottom
                    << ".." << top;
            }
        }
    };
    Records all = {"cn1"};
    for (const Text& t : texts) {
        expectInside(aroundAll(2, {"cn1", record(t)}), t, record(t));
        all.push_back(record(t));
    }
    // The first text decides the layout: horizontal, then rotated.
    for (const std::size_t first : {1, 3}) {
        std::rotate(all.begin() + 1, all.begin() + static_cast<long>(first), all.end());
        const Records frame = aroundAll(2, all);
        for (const Text& t : texts)
            expectInside(frame, t, "all from " + all[1] + ", " + record(t));
    }
}

TEST(ExistingTextFrames, RecordsThatDoNotChangeTheFrame)
{
    // A font line, an unknown "c" line and a base point of 9 change nothing; a text type or a
    // free size does.
    for (const char* quiet : {"cn\"$<ＭＳ 明朝>", "ci 1 2 3", "cc9", "cn11", "zz"}) {
        Records with = kTwoTexts;
        with.insert(with.begin() + 2, quiet);
        EXPECT_EQ(aroundAll(2, with), aroundAll(2, kTwoTexts)) << quiet;
        EXPECT_EQ(eachText(2, with), eachText(2, kTwoTexts)) << quiet;
    }
    for (const char* sizing : {"cn2", "cn0 4 4 0 1", "cc4"}) {
        Records with = kTwoTexts;
        with.insert(with.begin() + 1, sizing);
        EXPECT_NE(aroundAll(2, with), aroundAll(2, kTwoTexts)) << sizing;
    }
}

TEST(ExistingTextFrames, BasePointPlacesTheBoxAroundTheInsertionPoint)
{
    // Column: left, centre, right of the point; row: above, centred on, below it.
    const struct {
        const char* basePoint;
        double left, bottom;
    } rows[] = {{"cc0", 0, 0}, {"cc1", -6, 0}, {"cc2", -12, 0}, {"cc4", -6, -1}, {"cc8", -12, -2}};
    for (const auto& row : rows) {
        const Records r = eachText(0, {"cn1", row.basePoint, "ch 0 0 12 0 \"ABCDEF"});
        // 枠無 writes no outline; the fill would show the box, so read the box from a square.
        const Records box = eachText(2, {"cn1", row.basePoint, "ch 0 0 12 0 \"ABCDEF"});
        EXPECT_TRUE(r.empty()) << row.basePoint;
        ASSERT_EQ(box.size(), 5u);
        const std::vector<double> first = numbersOf(box[1]);
        EXPECT_NEAR(first[0], row.left - (1 / 2.4 + 1.3) / 2, 1e-5) << row.basePoint;
        EXPECT_NEAR(first[1], row.bottom - (2 / 7.0 + 1.2) / 2, 1e-5) << row.basePoint;
    }
}

TEST(ExistingTextFrames, RotatedLayoutFramesFromTheRightSide)
{
    // The first text decides the layout: rising more than it runs.
    const Records r = aroundAll(2, {"cn1", "ch 10 0 0 12 \"UP"});
    ASSERT_EQ(r.size(), 5u);
    const std::vector<double> a = numbersOf(r[1]);
    EXPECT_NEAR(a[0], 10 + (2 / 7.0 + 1.2) / 2, 1e-5); // anchor on the right
    EXPECT_NEAR(a[1], -(1 / 2.4 + 1.3) / 2, 1e-5);     // from the insertion point up
    EXPECT_NEAR(a[2], 8 - (2 / 7.0 + 1.2) / 2, 1e-5);  // the text's height to the left
}

TEST(ExistingTextFrames, FirstTextChoosesTheLayoutInSinglePrecision)
{
    // The rotated layout starts its box at the right side, so its first edge runs towards -x.
    const struct {
        const char* direction;
        bool rotated;
    } rows[] = {{"1000.00001 1000.00002", false}, {"1000 1000.1", true}, {"1000 1000", false}};
    for (const auto& row : rows) {
        const Records r = aroundAll(2, {"cn1", std::string("ch 0 0 ") + row.direction + " \"AB"});
        ASSERT_EQ(r.size(), 5u) << row.direction;
        const std::vector<double> first = numbersOf(r[1]);
        EXPECT_EQ(first[2] < first[0], row.rotated) << row.direction;
    }
}

TEST(ExistingTextFrames, NothingToFrame)
{
    EXPECT_TRUE(aroundAll(2, {"cn1", "lg0", "#"}).empty());
    EXPECT_TRUE(eachText(2, {"cn1", "lg0", "#"}).empty());
}

TEST(ExistingTextFrames, BrokenRecordsAreConversionErrors)
{
    for (const char* broken : {"ch 1 2 3 \"three numbers", "ch 1 x 3 4 \"letter", "cn0 W 2 0 1"}) {
        for (SessionMode mode : {SessionMode::frameWrite1, SessionMode::frameWrite2}) {
            try {
                if (mode == SessionMode::frameWrite1)
                    aroundAll(2, {"cn1", broken});
                else
                    eachText(2, {"cn1", broken});
                ADD_FAILURE() << broken << " was accepted";
            } catch (const Error& e) {
                EXPECT_EQ(e.kind(), ErrorKind::Conversion) << broken;
            }
        }
    }
}

TEST(ExistingTextFrames, FrameTypesReduceToThoseThatFitExistingText)
{
    // 枠無延長 and the curved leaders → 枠無, the extended frames → their base, 吹出四角 → 四角.
    const int expected[15] = {0, 1, 2, 3, 4, 0, 1, 2, 3, 4, 2, 11, 12, 0, 0};
    for (int f = 0; f < kFrameTypeCount; ++f) {
        OutputList out;
        const WriterResult r =
            writeFrameAroundAll(framingInput(SessionMode::frameWrite1, f), kTwoTexts, testClock(), out);
        EXPECT_EQ(frameIndex(r.frameType), expected[f]) << f;
        EXPECT_FALSE(r.tiltReleased);
    }
}

} // namespace
} // namespace tagler::test
