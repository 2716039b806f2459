#include "render/DrawingModel.h"
#include "base/CodePage.h"
#include "base/Error.h"
#include "base/LineFile.h"
#include "host/ExchangeHeader.h"
#include "render/CurveGeometry.h"
#include "render/HostSheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tagler::render {
namespace {

constexpr double eps = 1e-6;

void expectNear(const Point& actual, const Point& expected, double tolerance = eps)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
}

template <class T> std::vector<T> shapesOf(const Drawing& d)
{
    std::vector<T> found;
    for (const Shape& s : d.shapes)
        if (const T* t = std::get_if<T>(&s))
            found.push_back(*t);
    return found;
}

TEST(ArcSweep, RunsCounterClockwiseAndWrapsThrough360)
{
    const struct {
        double start, end, sweep;
    } cases[] = {
        {90, -90, 180}, {-90, 90, 180}, {180, 0, 180}, {0, 180, 180},
        {350, 10, 20},  {10, 350, 340}, {0, 360, 360}, {30, 30, 360},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(arcSweepDegrees(c.start, c.end), c.sweep) << c.start << " -> " << c.end;
}

TEST(DrawingModel, FrameHalfCirclesLieOnTheirSide)
{
    // The four half circles of the long-round frames, radius 10 about the origin.
    const struct {
        const char* record;
        Point start, middle, end;
    } cases[] = {
        {"ci 0 0 10 90 -90 1 0", {0, 10}, {-10, 0}, {0, -10}}, // left half
        {"ci 0 0 10 -90 90 1 0", {0, -10}, {10, 0}, {0, 10}},  // right half
        {"ci 0 0 10 180 0 1 0", {-10, 0}, {0, -10}, {10, 0}},  // lower half
        {"ci 0 0 10 0 180 1 0", {10, 0}, {0, 10}, {-10, 0}},   // upper half
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.record);
        std::vector<Stroke> strokes = shapesOf<Stroke>(buildDrawing({c.record}, defaultHostSheet()));
        ASSERT_EQ(strokes.size(), 1u);
        const std::vector<Point> p = outlinePoints(strokes[0].points);
        ASSERT_EQ(p.size() % 2, 1u); // an odd count puts a point on the middle
        expectNear(p.front(), c.start);
        expectNear(p[p.size() / 2], c.middle);
        expectNear(p.back(), c.end);
        for (const Point& q : p) // never strays to the other side
            EXPECT_GE(q.x * c.middle.x + q.y * c.middle.y, -eps);
    }
}

TEST(DrawingModel, FlatTiltedArcUsesItsOwnAxes)
{
    // Half an ellipse 10 by 5, its first axis turned to point up, centred at (5, 5).
    std::vector<Stroke> strokes = shapesOf<Stroke>(buildDrawing({"ci 5 5 10 0 180 0.5 90"}, defaultHostSheet()));
    ASSERT_EQ(strokes.size(), 1u);
    const std::vector<Point> p = outlinePoints(strokes[0].points);
    expectNear(p.front(), {5, 15});
    expectNear(p[p.size() / 2], {0, 5});
    expectNear(p.back(), {5, -5});
}

TEST(DrawingModel, AnArcsExtentIsThatOfItsPoints)
{
    // The extent fits the view, so it must hold every point drawn and reach no farther than the
    // finest points do (their chords cut inside the curve by at most r (1 - cos(1°))).
    const char* arcs[] = {
        "ci 0 0 10 30 300 0.4 25",            // flat, tilted, most of a turn
        "ci 5 5 10 350 10 1 0",               // across 0°: reaches its rightmost point
        "ci 0 0 10 180 0 0.5 -90",            // start past the end
        "ci 1 2 3",                           // a whole circle
        "sc 0 0 10 0.3 0.7 2.5 -1.2 0",       // clockwise, segment
        "sc 3 -4 10 1 0 0 1.5707963267949 0", // sector: the centre too
    };
    for (const char* record : arcs) {
        SCOPED_TRACE(record);
        const Drawing d = buildDrawing({record}, defaultHostSheet());
        ASSERT_EQ(d.shapes.size(), 1u);
        const Outline& outline = std::holds_alternative<Stroke>(d.shapes[0]) ? std::get<Stroke>(d.shapes[0]).points
                                                                             : std::get<Fill>(d.shapes[0]).outline;
        Extent points;
        for (const Point& p : outlinePoints(outline))
            points.add(p);
        const Extent e = drawingExtent(d);
        const double slack = 10 * (1 - std::cos(std::numbers::pi / 180)) + eps;
        for (const auto& [exact, fine] : {std::pair{e.left, points.left},
                                          {-e.right, -points.right},
                                          {e.bottom, points.bottom},
                                          {-e.top, -points.top}}) {
            EXPECT_LE(exact, fine + eps);
            EXPECT_GE(exact, fine - slack);
        }
    }
}

TEST(DrawingModel, ReadInScaleMultipliesWhatFollows)
{
    Drawing d = buildDrawing({" 1 1 3 1", "by2", " 1 1 3 1", "ci 1 1 1", "sl 0 0 1 0 0 1", "ch 1 1 2 0 \"a"},
                             defaultHostSheet());
    std::vector<Stroke> strokes = shapesOf<Stroke>(d);
    ASSERT_EQ(strokes.size(), 3u);
    expectNear(outlinePoints(strokes[0].points).front(), {1, 1}); // before "by": as written
    expectNear(outlinePoints(strokes[0].points).back(), {3, 1});
    expectNear(outlinePoints(strokes[1].points).front(), {2, 2});
    expectNear(outlinePoints(strokes[1].points).back(), {6, 2});
    expectNear(outlinePoints(strokes[2].points).front(), {4, 2}); // circle centre (2, 2), radius 2
    std::vector<Fill> fills = shapesOf<Fill>(d);
    ASSERT_EQ(fills.size(), 1u);
    expectNear(outlinePoints(fills[0].outline)[1], {2, 0});
    std::vector<TextItem> texts = shapesOf<TextItem>(d);
    ASSERT_EQ(texts.size(), 1u);
    expectNear(texts[0].corner, {2, 2});
    EXPECT_DOUBLE_EQ(texts[0].angleDeg, 0);
}

TEST(DrawingModel, TextHeightIsTheTextTypeTimesTheGroupScale)
{
    HostSheet sheet = defaultHostSheet();
    sheet.groupScales[1] = 100;
    sheet.groupScales[3] = 50;
    sheet.group = 1;
    sheet.textType = 2; // 2.5 mm
    const std::string text = "ch 0 0 10 0 \"" + sjis("注釈");
    Drawing d = buildDrawing({text, "cn4", text, "lg3", text, "cn0 3 6 0.5 5", text, "lg1", text, "cn7", text}, sheet);
    std::vector<TextItem> texts = shapesOf<TextItem>(d);
    const double heights[] = {250, 400, 200, 300, 600, 700};
    ASSERT_EQ(texts.size(), std::size(heights));
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_DOUBLE_EQ(texts[i].height, heights[i]) << "text " << i;
    EXPECT_EQ(texts[3].color, hostLineColor(5));                   // a free size carries its pen
    EXPECT_EQ(texts[5].color, hostLineColor(sheet.type(7).color)); // a type its own
}

TEST(DrawingModel, TextTakesItsLengthFromTheTextTypeAndOnlyItsDirectionFromTheRecord)
{
    HostSheet sheet = defaultHostSheet();
    sheet.groupScales[0] = 10;
    // Type 5: width 5, spacing 0.5; four bytes: (2.5 + 0.25) * 4 - 0.25 = 10.75 mm.
    const std::string text = sjis("注釈");
    std::vector<TextItem> texts = shapesOf<TextItem>(
        buildDrawing({"cn5", "ch 0 0 0 0 \"" + text, "ch 0 0 500 0 \"" + text, "ch 0 0 0 1 \"" + text}, sheet));
    ASSERT_EQ(texts.size(), 3u);
    for (const TextItem& t : texts)
        EXPECT_DOUBLE_EQ(t.length, 107.5);
    EXPECT_DOUBLE_EQ(texts[0].angleDeg, 0);
    EXPECT_DOUBLE_EQ(texts[1].angleDeg, 0);
    EXPECT_DOUBLE_EQ(texts[2].angleDeg, 90); // a tilted record's unit vector
}

TEST(DrawingModel, BasePointPlacesTheTextBox)
{
    HostSheet sheet = defaultHostSheet(); // type 10: 10 wide, 10 high, spacing 1; "AB" is 10.5 long
    for (int base = 0; base <= 8; ++base) {
        SCOPED_TRACE(base);
        Lines records = {"cn10", "cc" + std::to_string(base), "ch 100 100 20 0 \"AB", "ch 100 100  0 20 \"AB"};
        std::vector<TextItem> texts = shapesOf<TextItem>(buildDrawing(records, sheet));
        ASSERT_EQ(texts.size(), 2u);
        double back = (base % 3) * 5.25, down = (base / 3) * 5.0;
        expectNear(texts[0].corner, {100 - back, 100 - down});
        // Written upwards: "along" is +y, "across" is -x.
        EXPECT_NEAR(texts[1].angleDeg, 90, eps);
        expectNear(texts[1].corner, {100 + down, 100 - back});
        std::vector<Point> box = textBox(texts[0]);
        expectNear(box[2], {100 - back + 10.5, 100 - down + 10});
    }
}

TEST(DrawingModel, SolidCirclesCoverTheirShape)
{
    HostSheet sheet = defaultHostSheet();
    auto outlineOf = [&](const std::string& record) {
        std::vector<Fill> fills = shapesOf<Fill>(buildDrawing({record}, sheet));
        EXPECT_EQ(fills.size(), 1u) << record;
        return fills.empty() ? std::vector<Point>{} : outlinePoints(fills[0].outline);
    };
    auto extentOf = [](const std::vector<Point>& points) {
        Extent e;
        for (const Point& p : points)
            e.add(p);
        return e;
    };

    // Full disc: the swept angle does not matter.
    Extent disc = extentOf(outlineOf("sc 0 0 10 1 0 0 3.1416 100"));
    EXPECT_NEAR(disc.left, -10, eps);
    EXPECT_NEAR(disc.right, 10, eps);
    EXPECT_NEAR(disc.bottom, -10, eps);
    EXPECT_NEAR(disc.top, 10, eps);

    // Half disc of a long-round fill: from -90 degrees over 180, the right half
    // (within the sampling of the outline).
    Extent half = extentOf(outlineOf("sc 0 0 10 1 0 -1.5708 3.1416 5"));
    EXPECT_NEAR(half.left, 0, 1e-4);
    EXPECT_NEAR(half.right, 10, 0.01);
    EXPECT_NEAR(half.top, 10, 1e-4);
    EXPECT_NEAR(half.bottom, -10, 1e-4);

    // Sector: the quarter in the first quadrant, its point at the centre.
    std::vector<Point> sector = outlineOf("sc 0 0 10 1 0 0 1.5707963267949 0");
    expectNear(sector.front(), {10, 0});
    expectNear(sector[sector.size() - 2], {0, 10});
    expectNear(sector.back(), {0, 0});
}

TEST(DrawingModel, ColoursAndLineTypesApplyToWhatFollows)
{
    Drawing d =
        buildDrawing({" 0 0 1 1", "lc3", "lt5", " 0 0 1 1", "lc10 12639424", "sl 0 0 1 0 0 1", "lc1", " 0 0 1 1"},
                     defaultHostSheet());
    std::vector<Stroke> strokes = shapesOf<Stroke>(d);
    ASSERT_EQ(strokes.size(), 3u);
    EXPECT_EQ(strokes[0].color, hostLineColor(1)); // the header's colour, before any record
    EXPECT_EQ(strokes[0].lineType, 1);
    EXPECT_EQ(strokes[1].color, hostLineColor(3));
    EXPECT_EQ(strokes[1].lineType, 5);
    EXPECT_EQ(strokes[2].lineType, 5);
    std::vector<Fill> fills = shapesOf<Fill>(d);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].color, QColor(192, 220, 192)); // money green, red in the low byte
}

TEST(DrawingModel, PaletteHoldsEightDistinctColoursThatShowOnWhite)
{
    for (int i = 1; i <= 8; ++i) {
        EXPECT_LT(hostLineColor(i).lightness(), 170) << "colour " << i;
        for (int j = i + 1; j <= 8; ++j)
            EXPECT_NE(hostLineColor(i), hostLineColor(j)) << i << " and " << j;
    }
}

TEST(DrawingModel, CountsWhatItSkips)
{
    Drawing d = buildDrawing({"hq", " 0 0 1 1", "zz 1", "#", "ci 1 2", "sc 0 0 1 1 0 0 1 -1"}, defaultHostSheet());
    ASSERT_EQ(d.skipped.size(), 4u);
    const int lines[] = {1, 3, 5, 6};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(d.skipped[i].lineNumber, lines[i]);
    EXPECT_EQ(d.skipped[2].line, "ci 1 2");
    EXPECT_EQ(d.shapes.size(), 1u);
}

TEST(DrawingModel, DrawsTheHandMadeSampleWhole)
{
    // CP932 with CR LF, as the program hands records back.
    Drawing d = buildDrawing(readLines(TAGLER_TEST_DATA "/host_sample_records.txt"), defaultHostSheet());
    EXPECT_TRUE(d.skipped.empty());
    std::vector<TextItem> texts = shapesOf<TextItem>(d);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, sjis("注釈テキスト"));
    EXPECT_EQ(texts[0].font, sjis("ＭＳ ゴシック"));
    EXPECT_EQ(shapesOf<Stroke>(d).size(), 11u); // two leaders, box, long-round frame, chain line
    EXPECT_EQ(shapesOf<Fill>(d).size(), 5u);    // arrow, dot, fill and its two round ends
}

TEST(HostSheetReader, ReadsARealHostHeader)
{
    const Lines header = {
        "hq",
        "hk 0",
        "hs 1 100 50 50 60 1 1 1 1 50 50 1 50 50 50 1",
        "hcw 2 2.5 3 4 5 6 7 8 9 10",
        "hch 2.1 2.6 3 4 5 6 7 8 9 10.5",
        "hcd 0 0 0.5 0.5 0.5 0.5 1 1 1 1",
        "hcc      1      1      2      2      3      3      4      4      5      8",
        "hn -426.361037254366 -351.966948941264 338.029167859708 283.230545449305",
        "hp1   136190.26326708 -45574.8870993316",
        "hp3-  -40505.6560883018 -2442.79416456709",
        "lg1",
        "ly4",
        "lc3",
        "lt1",
        "cn3",
        "cn\"$<" + sjis("ＭＳ 明朝") + ">",
        "#",
        "hs 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9", // past the end of the header
    };
    HostSheet s = readHostSheet(header);
    EXPECT_EQ(s.groupScales[1], 100);
    EXPECT_EQ(s.groupScales[4], 60);
    EXPECT_EQ(s.groupScales[15], 1);
    EXPECT_EQ(s.type(1).height, 2.1);
    EXPECT_EQ(s.type(10).height, 10.5);
    EXPECT_EQ(s.type(2).width, 2.5);
    EXPECT_EQ(s.type(3).spacing, 0.5);
    EXPECT_EQ(s.type(10).color, 8);
    EXPECT_EQ(s.group, 1);
    EXPECT_EQ(s.layer, 4);
    EXPECT_EQ(s.lineColor, 3);
    EXPECT_EQ(s.textType, 3);
    EXPECT_EQ(s.font, sjis("ＭＳ 明朝"));

    EXPECT_THROW(readHostSheet({"hs 1 2 3"}), Error);
}

TEST(HostSheetReader, ReadsBackWhatTheHeaderWriterWrote)
{
    using host::HostMode;
    for (HostMode mode : {HostMode::normal, HostMode::textMode, HostMode::fourPoint, HostMode::frameWrite2}) {
        host::HeaderRequest r;
        r.mode = mode;
        for (std::size_t g = 0; g < 16; ++g)
            r.sheet.groupScales[g] = 1 + 12.5 * static_cast<double>(g);
        r.sheet.textTypes[6] = {7.5, 8.25, 1.5, 6};
        r.sheet.group = 13;
        r.sheet.layer = 2;
        r.sheet.lineColor = 7;
        r.sheet.textType = 7;
        r.sheet.font = sjis("ＭＳ Ｐゴシック");
        HostSheet back = readHostSheet(host::buildHeader(r));
        EXPECT_EQ(back.groupScales, r.sheet.groupScales) << host::hostModeName(mode);
        EXPECT_EQ(back.type(7).width, 7.5);
        EXPECT_EQ(back.type(7).height, 8.25);
        EXPECT_EQ(back.type(7).spacing, 1.5);
        EXPECT_EQ(back.type(7).color, 6);
        EXPECT_EQ(back.group, 13);
        EXPECT_EQ(back.layer, 2);
        EXPECT_EQ(back.lineColor, 7);
        EXPECT_EQ(back.textType, 7);
        EXPECT_EQ(back.font, r.sheet.font);
    }
}

} // namespace
} // namespace tagler::render
