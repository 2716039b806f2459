// Frames around existing text, read back as the host draws them, must hold the texts they frame.
// Generated selections: every direction (5° steps and at random), every base point, typed and
// free-size text, one to fifty texts, every frame kind that draws in 枠書込１ and 枠書込２.
// TAGLER_ENCLOSURE_CASES sets the number of selections (bench/frame-enclosure runs the full count).
#include "WriterTestSupport.h"

#include "render/CurveGeometry.h"
#include "render/HostRecord.h"
#include "writer/ExistingTextFrames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>
#include <variant>

namespace tagler::test {
namespace {

using render::Point;
using Polyline = std::vector<Point>;

struct Box {
    double alongLo, alongHi, acrossLo, acrossHi;
};

// The frame's own axes: along its text lines and across them, so every check reads one way.
struct Axes {
    Point origin;
    double c = 1, s = 0; // the along direction
    Point map(Point p) const
    {
        const double x = p.x - origin.x, y = p.y - origin.y;
        return {x * c + y * s, -x * s + y * c};
    }
};

struct Text {
    double x, y, dx, dy, height;
    int basePoint;
    // The text's rectangle as its characters cover it, from the base point along its direction.
    std::vector<Point> corners() const
    {
        const double length = std::hypot(dx, dy);
        const double ux = dx / length, uy = dy / length;
        const double along0[] = {0, -length / 2, -length};
        const double across0[] = {0, -height / 2, -height};
        std::vector<Point> out;
        for (const double u : {along0[basePoint % 3], along0[basePoint % 3] + length})
            for (const double v : {across0[basePoint / 3], across0[basePoint / 3] + height})
                out.push_back({x + u * ux - v * uy, y + u * uy + v * ux});
        return out;
    }
};

Box boundsIn(const Axes& axes, const std::vector<Point>& points)
{
    Box b{HUGE_VAL, -HUGE_VAL, HUGE_VAL, -HUGE_VAL};
    for (const Point p : points) {
        const Point q = axes.map(p);
        b = {std::min(b.alongLo, q.x), std::max(b.alongHi, q.x), std::min(b.acrossLo, q.y), std::max(b.acrossHi, q.y)};
    }
    return b;
}

// Lines and arcs (circle and ellipse pieces, scallops) as point lists; colour records pass.
std::vector<Polyline> outlineOf(const Records& records, std::string& unreadable)
{
    std::vector<Polyline> pieces;
    for (const std::string& record : records) {
        if (record.rfind("lc", 0) == 0)
            continue;
        const render::HostRecord r = render::parseRecord(record);
        if (const auto* line = std::get_if<render::LineRecord>(&r)) {
            pieces.push_back({line->from, line->to});
        } else if (const auto* arc = std::get_if<render::ArcRecord>(&r)) {
            const render::Ellipse e{arc->centre, arc->radius, arc->flatness, arc->tiltDeg / kDegreesPerRadian};
            pieces.push_back(
                render::ellipseArc(e, arc->startDeg / kDegreesPerRadian,
                                   render::arcSweepDegrees(arc->startDeg, arc->endDeg) / kDegreesPerRadian));
        } else {
            unreadable = record;
        }
    }
    return pieces;
}

// Each end of a piece meets the end of another: the outline is closed.
bool closed(const std::vector<Polyline>& pieces, double tol)
{
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        for (const Point end : {pieces[i].front(), pieces[i].back()}) {
            int meeting = 0;
            for (std::size_t j = 0; j < pieces.size(); ++j)
                for (const Point other : {pieces[j].front(), pieces[j].back()})
                    meeting += std::hypot(end.x - other.x, end.y - other.y) <= tol;
            if (meeting < 2)
                return false;
        }
    }
    return true;
}

// Whether segment a–b passes through the open box (slab clipping).
bool entersBox(Point a, Point b, const Box& box)
{
    double t0 = 0, t1 = 1;
    const double d[2] = {b.x - a.x, b.y - a.y};
    const double p[2] = {a.x, a.y};
    const double lo[2] = {box.alongLo, box.acrossLo}, hi[2] = {box.alongHi, box.acrossHi};
    for (int k = 0; k < 2; ++k) {
        if (d[k] == 0) {
            if (p[k] <= lo[k] || p[k] >= hi[k])
                return false;
            continue;
        }
        double ta = (lo[k] - p[k]) / d[k], tb = (hi[k] - p[k]) / d[k];
        if (ta > tb)
            std::swap(ta, tb);
        t0 = std::max(t0, ta);
        t1 = std::min(t1, tb);
    }
    return t0 < t1;
}

bool inside(const std::vector<Polyline>& pieces, Point q)
{
    bool in = false;
    for (const Polyline& piece : pieces)
        for (std::size_t k = 1; k < piece.size(); ++k) {
            const Point a = piece[k - 1], b = piece[k];
            if ((a.y > q.y) != (b.y > q.y) && q.x < a.x + (q.y - a.y) / (b.y - a.y) * (b.x - a.x))
                in = !in;
        }
    return in;
}

// The outline is closed, no piece of it passes through the box shrunk by tol, and a point of the
// box lies inside: then the whole box does. The point is off the box's middle, where the ray
// would run through the joint of two scallops.
std::string enclosureFault(const std::vector<Polyline>& pieces, const Box& box, double tol)
{
    if (!closed(pieces, tol))
        return "the outline is not closed";
    const Box inner{box.alongLo + tol, box.alongHi - tol, box.acrossLo + tol, box.acrossHi - tol};
    for (const Polyline& piece : pieces)
        for (std::size_t k = 1; k < piece.size(); ++k)
            if (entersBox(piece[k - 1], piece[k], inner))
                return "the outline cuts through the text";
    if (!inside(pieces, {box.alongLo + 0.382 * (box.alongHi - box.alongLo),
                         box.acrossLo + 0.414 * (box.acrossHi - box.acrossLo)}))
        return "the text lies outside the outline";
    return {};
}

// 下線: one line below every text, from before the first to past the last.
std::string underlineFault(const std::vector<Polyline>& pieces, const std::vector<Box>& texts, double tol)
{
    if (pieces.size() != 1 || pieces[0].size() != 2)
        return "not one line";
    const Point a = pieces[0][0], b = pieces[0][1];
    for (const Box& t : texts)
        if (std::max(a.y, b.y) > t.acrossLo + tol || std::min(a.x, b.x) > t.alongLo + tol ||
            std::max(a.x, b.x) < t.alongHi - tol)
            return "the line does not lie under the text";
    return {};
}

// 括弧: its bar stands before every text's start and spans them across; its arms reach towards them.
std::string bracketFault(std::vector<Polyline> pieces, const std::vector<Box>& texts, double tol)
{
    if (pieces.size() != 3)
        return "not three lines";
    auto rise = [](const Polyline& l) { return std::fabs(l[1].y - l[0].y); };
    std::sort(pieces.begin(), pieces.end(), [&](const Polyline& a, const Polyline& b) { return rise(a) > rise(b); });
    const Polyline& bar = pieces[0];
    const double at = bar[0].x;
    if (std::fabs(bar[1].x - at) > tol)
        return "the bar does not stand across the text";
    for (const Box& t : texts)
        if (at > t.alongLo + tol || std::min(bar[0].y, bar[1].y) > t.acrossLo + tol ||
            std::max(bar[0].y, bar[1].y) < t.acrossHi - tol)
            return "the bracket does not stand outside the text's start";
    for (const std::size_t arm : {1, 2})
        if (std::max(pieces[arm][0].x, pieces[arm][1].x) <= at + tol)
            return "an arm points away from the text";
    return {};
}

struct Selection {
    SessionMode mode;
    int frameType;
    float scale;
    AnnotationSettings settings;
    Records records;
    std::vector<Text> texts;
    std::vector<std::size_t> textRecord; // the index of each text's record
};

// Host text types 1..10: from small to large, some with wide and low characters.
constexpr double kTypeSizes[10][3] = {{2, 2, 0}, {2.5, 2.5, 0.5}, {3, 3, 0},   {4, 4, 1}, {5, 5, 0},
                                      {6, 2, 0}, {10, 3, 0},      {1, 4, 0.5}, {7, 7, 1}, {20, 2.5, 0}};
// Every frame that draws something around existing text: 四角, 長丸, 吹出四角, both clouds,
// the extended forms, 下線 and 括弧.
constexpr int kFrameTypes[] = {2, 3, 7, 8, 10, 11, 12, 1, 6, 4, 9};

std::string number(double v)
{
    std::ostringstream s;
    s.precision(9);
    s << v;
    return s.str();
}

Selection generate(int index)
{
    std::mt19937 rng(static_cast<unsigned>(index) * 2654435761u + 1);
    auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };

    Selection sel;
    sel.mode = index % 2 == 0 ? SessionMode::frameWrite1 : SessionMode::frameWrite2;
    sel.frameType = kFrameTypes[(index / 2) % std::size(kFrameTypes)];
    sel.scale = std::array<float, 5>{1, 0.5f, 20, 50, 100}[static_cast<std::size_t>(pick(0, 4))];
    sel.settings.frameType = sel.frameType;
    sel.settings.frameGapVertical = pick(0, 99);
    sel.settings.frameGapHorizontal = pick(0, 99);
    sel.settings.noFrameGap = pick(0, 1) == 1;
    const bool stepped = pick(0, 1) == 1; // directions in 5° steps, or anywhere
    const int count = index % 7 == 0 ? 1 : pick(1, 50);
    double w = 0, h = 0, spacing = 0;
    for (int i = 0; i < count; ++i) {
        if (i == 0 || pick(0, 3) == 0) {
            if (pick(0, 1) == 0) {
                const int type = pick(1, 10);
                sel.records.push_back("cn" + std::to_string(type));
                w = kTypeSizes[type - 1][0], h = kTypeSizes[type - 1][1], spacing = kTypeSizes[type - 1][2];
            } else {
                w = uniform(0.5, 20), h = uniform(0.5, 20), spacing = uniform(0, 3);
                sel.records.push_back("cn0 " + number(w) + " " + number(h) + " " + number(spacing) + " 1");
                w = std::stod(number(w)), h = std::stod(number(h)), spacing = std::stod(number(spacing));
            }
        }
        const int basePoint = (index + i) % 9;
        sel.records.push_back("cc" + std::to_string(basePoint));
        const double degrees = stepped ? 5 * pick(0, 71) : uniform(0, 360);
        const double length = pick(1, 40) * (w + spacing) / 2 * sel.scale * uniform(1, 1.3);
        const double spread = 300.0 * sel.scale;
        const std::string x = number(uniform(-spread, spread)), y = number(uniform(-spread, spread));
        const std::string dx = number(length * std::cos(degrees / kDegreesPerRadian));
        const std::string dy = number(length * std::sin(degrees / kDegreesPerRadian));
        sel.textRecord.push_back(sel.records.size());
        sel.records.push_back("ch " + x + " " + y + " " + dx + " " + dy + " \"T");
        sel.texts.push_back({std::stod(x), std::stod(y), std::stod(dx), std::stod(dy), h * sel.scale, basePoint});
    }
    return sel;
}

WriterInput inputFor(const Selection& sel)
{
    WriterInput in;
    in.mode = sel.mode;
    in.settings = sel.settings;
    in.host = HostRecords{"lg0", "ly0", "lc1", "TestFont"};
    in.scale = sel.scale;
    for (std::size_t i = 0; i < 10; ++i) {
        in.hostTextSizes.widths[i] = number(kTypeSizes[i][0]);
        in.hostTextSizes.heights[i] = number(kTypeSizes[i][1]);
        in.hostTextSizes.spacings[i] = number(kTypeSizes[i][2]);
    }
    return in;
}

// One frame and the texts it should hold, in its own axes.
std::string frameFault(FrameType frame, const Records& records, const Axes& axes, const std::vector<Text>& texts)
{
    std::string unreadable;
    std::vector<Polyline> pieces = outlineOf(records, unreadable);
    if (!unreadable.empty())
        return "unreadable record " + unreadable;
    if (pieces.empty())
        return "no frame";
    double reach = 0, height = HUGE_VAL;
    for (Polyline& piece : pieces)
        for (Point& p : piece) {
            p = axes.map(p);
            reach = std::max({reach, std::fabs(p.x), std::fabs(p.y)});
        }
    std::vector<Box> boxes;
    for (const Text& t : texts) {
        boxes.push_back(boundsIn(axes, t.corners()));
        height = std::min(height, t.height);
    }
    // Single-precision records and a drawn arc a hair inside the true one.
    const double tol = 1e-6 * (reach + std::hypot(axes.origin.x, axes.origin.y)) + 1e-3 * height;
    const FrameFamily family = traits(frame).family;
    if (family == FrameFamily::underline)
        return underlineFault(pieces, boxes, tol);
    if (family == FrameFamily::bracket)
        return bracketFault(pieces, boxes, tol);
    for (const Box& b : boxes)
        if (std::string fault = enclosureFault(pieces, b, tol); !fault.empty())
            return fault;
    return {};
}

std::string describe(const Selection& sel, int index)
{
    std::string s = "case " + std::to_string(index) + (sel.mode == SessionMode::frameWrite1 ? " T2" : " T3") +
                    " frame " + std::to_string(sel.frameType) + " scale " + number(sel.scale) + " gaps " +
                    std::to_string(sel.settings.frameGapVertical) + "/" +
                    std::to_string(sel.settings.frameGapHorizontal) + (sel.settings.noFrameGap ? " no gap" : "");
    for (std::size_t i = 0; i < std::min<std::size_t>(sel.records.size(), 12); ++i)
        s += "\n  " + sel.records[i];
    return s;
}

TEST(FrameEnclosure, EveryFrameHoldsTheTextsItFrames)
{
    const char* asked = std::getenv("TAGLER_ENCLOSURE_CASES");
    const int cases = asked ? std::atoi(asked) : 300;
    int frames = 0, faults = 0;
    for (int index = 0; index < cases; ++index) {
        const Selection sel = generate(index);
        const WriterInput in = inputFor(sel);
        std::vector<std::pair<std::string, std::string>> found; // fault, where
        if (sel.mode == SessionMode::frameWrite1) {
            OutputList out;
            const FrameType drawn = writeFrameAroundAll(in, sel.records, testClock(), out).frameType;
            const Text& first = sel.texts.front();
            Axes axes;
            if (float(first.dx) < float(first.dy)) // the rotated layout reads up the page
                axes = {{0, 0}, 0, 1};
            ++frames;
            if (std::string f = frameFault(drawn, out.records(), axes, sel.texts); !f.empty())
                found.emplace_back(f, "the frame around all");
        } else {
            ExistingTextState state;
            std::size_t next = 0;
            for (std::size_t r = 0; r < sel.records.size(); ++r) {
                OutputList out;
                const FrameType drawn = writeFrameAroundText(in, sel.records[r], state, testClock(), out).frameType;
                if (next >= sel.textRecord.size() || sel.textRecord[next] != r)
                    continue;
                const Text& t = sel.texts[next++];
                const double length = std::hypot(t.dx, t.dy);
                ++frames;
                if (std::string f = frameFault(drawn, out.records(), {{t.x, t.y}, t.dx / length, t.dy / length}, {t});
                    !f.empty())
                    found.emplace_back(f, sel.records[r]);
            }
        }
        for (const auto& [fault, where] : found) {
            if (++faults <= 5)
                ADD_FAILURE() << fault << " (" << where << ")\n" << describe(sel, index);
        }
    }
    std::printf("frame enclosure: %d selections, %d frames, %d faults\n", cases, frames, faults);
    EXPECT_EQ(faults, 0);
    EXPECT_GT(frames, cases);
}

} // namespace
} // namespace tagler::test
