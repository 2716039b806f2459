#include "writer/ExistingTextFrames.h"

#include "writer/FillStage.h"
#include "writer/FrameStage.h"
#include "writer/LeaderGeometry.h"
#include "writer/WriterState.h"

#include <algorithm>
#include <cmath>

namespace tagler {

namespace {

using Span = LayoutSpan;

// A text running backwards spans the same ground as one running forwards.
Span ordered(double a, double b) { return a <= b ? Span{a, b} : Span{b, a}; }

// Along the text from its insertion point, by the base point's column.
Span alongText(double origin, double length, int basePoint)
{
    switch (basePoint % 3) {
    case 1: return ordered(origin - length / 2, origin + length / 2);
    case 2: return ordered(origin - length, origin);
    default: return ordered(origin, origin + length);
    }
}

// Across the text, by the base point's row; `extra` is what the text adds beyond its height.
Span acrossText(double origin, double height, double extra, int basePoint)
{
    if (basePoint < 3)
        return ordered(origin, origin + extra + height);
    if (basePoint < 6)
        return ordered(origin - height / 2, origin + extra + height / 2);
    return ordered(origin - height, origin + extra);
}

// A box in the layout's own terms: `along` the text and `across` it.
using TextBox = LayoutBox;

// The ground a text's characters cover: its rectangle laid out from the base point along its own
// direction, as one frame per text lays it out, then the axis-parallel box of the four corners.
// `rotated` gives it in the rotated layout's terms: along y, across x.
TextBox coveredBox(const TextPlacement& p, double length, double height, int basePoint, bool rotated)
{
    const double c = p.dx / length;
    const double s = p.dy / length;
    const Span along = alongText(0, length, basePoint);
    const Span across = acrossText(0, height, 0, basePoint);
    Span xs{HUGE_VAL, -HUGE_VAL};
    Span ys = xs;
    for (const double u : {along.lo, along.hi}) {
        for (const double v : {across.lo, across.hi}) {
            const double x = p.x + u * c - v * s;
            const double y = p.y + u * s + v * c;
            xs = {std::min(xs.lo, x), std::max(xs.hi, x)};
            ys = {std::min(ys.lo, y), std::max(ys.hi, y)};
        }
    }
    return rotated ? TextBox{ys, xs} : TextBox{xs, ys};
}

Span unite(Span a, Span b) { return {std::min(a.lo, b.lo), std::max(a.hi, b.hi)}; }
TextBox unite(const TextBox& a, const TextBox& b) { return {unite(a.along, b.along), unite(a.across, b.across)}; }

// The layout's own box reads a text along +x (+y rotated) and misses one turned off that axis;
// with the box its characters cover added, a turned text is held too. Along the axis the two are
// the same box to the last bit, so ordinary selections frame as they always have.
TextBox textBox(const TextPlacement& p, double height, int basePoint, bool rotated)
{
    TextBox literal;
    if (!rotated) {
        literal = {alongText(p.x, p.dx, basePoint), acrossText(p.y, height, p.dy, basePoint)};
    } else {
        // Across a rotated text the box runs from its right side leftwards.
        const Span a = acrossText(-p.x, height, 0, basePoint);
        literal = {alongText(p.y, p.dy, basePoint), {-a.hi, -a.lo}};
    }
    const double length = std::sqrt(p.dx * p.dx + p.dy * p.dy);
    if (!(length > 0) || !std::isfinite(length))
        return literal;
    return unite(literal, coveredBox(p, length, height, basePoint, rotated));
}

struct Gaps {
    double along, across;
};

// The room left around the text; a long-round frame's half circles make their own along the text.
Gaps frameGaps(const AnnotationSettings& set, const ExistingTextState& t, bool longRound, float scale)
{
    const double along = longRound ? 0 : (set.frameGapHorizontal * 0.2 + t.halfCharWidth / 2.4 + 1.3) * scale;
    return {along, (set.frameGapVertical * 0.2 + t.charHeight / 7 + 1.2) * scale};
}

void shortenForLongRound(TextBox& box, const ExistingTextState& t, float scale)
{
    const double cut = t.halfCharWidth / 3 * scale;
    box.along.lo += cut;
    box.along.hi -= cut;
}

// The half circles stand on the shortened ends with the box's half height and gap as radius; a
// text of wide, low characters would poke its corners out of them. Shorten no further than keeps
// every corner of `whole` (the unshortened box) inside. A gap set below zero asks for a frame
// inside the text's height: left as it is.
void keepCornersInsideRoundEnds(TextBox& shortened, const TextBox& whole, double acrossGap)
{
    const double inner = (whole.across.hi - whole.across.lo) / 2;
    const double radius = inner + acrossGap / 2;
    if (!(radius > inner))
        return;
    const double reach = std::sqrt(radius * radius - inner * inner);
    shortened.along.lo = std::min(shortened.along.lo, whole.along.lo + reach);
    shortened.along.hi = std::max(shortened.along.hi, whole.along.hi - reach);
}

LeaderLayout framingLayout(const WriterInput& in)
{
    LeaderLayout l = initialLayout(in);
    l.frame = l.frameTraits().forEachText;
    l.extendsRight = l.extendsUp = true;
    l.leaderRunsLeft = l.leaderRunsDown = false;
    l.leaderVisible = false;
    l.sidePlacement = true; // the frame hugs the text it was asked to frame: no attach shift
    return l;
}

// What the frame stage and the fill read of the text block inside the box.
TextBlockMetrics framedMetrics(const ExistingTextState& t, int lineCount, int maxLineBytes)
{
    TextBlockMetrics m;
    m.halfCharWidth = t.halfCharWidth;
    m.charHeight = t.charHeight;
    m.charSpacing = t.charSpacing;
    m.lineCount = lineCount;
    m.maxLineBytes = maxLineBytes;
    return m;
}

// How many half-width characters a text of this width holds, as the cloud's scallops count them.
int bytesAcross(double width, const ExistingTextState& t, float scale)
{
    const double perByte = (t.halfCharWidth + t.charSpacing) * scale;
    if (!(perByte > 0))
        return 1;
    return static_cast<int>(std::min(width / perByte, 1e6));
}

void drawFramed(const WriterInput& in, const LeaderLayout& layout, const TextBlockMetrics& m, const FrameBox& box,
                const Clock& clock, OutputList& out)
{
    WriterState s(in, layout, clock, out, m);
    s.box = box;
    drawFrame(s);
    runFillStage(s);
}

} // namespace

FrameAroundAll::FrameAroundAll(const WriterInput& in) : in_(in), layout_(framingLayout(in))
{
    layout_.tilted = false; // one frame around several texts cannot follow any one text's direction
    longRound_ = layout_.frameTraits().family == FrameFamily::longRound;
}

void FrameAroundAll::take(std::string_view record)
{
    TextPlacement p;
    if (readHandedOverRecord(record, in_.hostTextSizes, text_, p) != HandedOverKind::text)
        return;
    const double scale = in_.scale;
    if (count_ == 0) // as the values are held between steps: in single precision
        layout_.steepExtension = finite(p.dx) < finite(p.dy) ? 1 : 0;
    const TextBox box = textBox(p, text_.charHeight * scale, text_.basePoint, layout_.rotated());
    TextBox shortened = box;
    if (longRound_)
        shortenForLongRound(shortened, text_, float(scale));
    // A text's characters are as many whichever way it runs.
    widest_ = std::max(widest_, bytesAcross(std::sqrt(p.dx * p.dx + p.dy * p.dy), text_, float(scale)));
    whole_ = count_ == 0 ? box : unite(whole_, box);
    merged_ = count_ == 0 ? shortened : unite(merged_, shortened);
    ++count_;
}

WriterResult FrameAroundAll::write(const Clock& clock, OutputList& out)
{
    const WriterResult result{false, layout_.frame};
    if (count_ == 0)
        return result;
    const double scale = in_.scale;
    TextBox merged = merged_;
    const Gaps g = frameGaps(in_.settings, text_, longRound_, float(scale));
    if (longRound_)
        keepCornersInsideRoundEnds(merged, whole_, g.across);
    const Span along{merged.along.lo - g.along / 2, merged.along.hi + g.along / 2};
    const Span across{merged.across.lo - g.across / 2, merged.across.hi + g.across / 2};
    LeaderLayout layout = layout_;
    FrameBox box({}, {});
    if (!layout.rotated()) {
        box = FrameBox(makePoint(along.lo, across.lo), makePoint(along.hi, across.hi));
    } else {
        box = FrameBox(makePoint(across.hi, along.lo), makePoint(across.lo, along.hi));
        layout.leaderRunsLeft = true;
    }
    drawFramed(in_, layout, framedMetrics(text_, count_, widest_), box, clock, out);
    return result;
}

WriterResult writeFrameAroundAll(const WriterInput& in, std::span<const std::string> records, const Clock& clock,
                                 OutputList& out)
{
    FrameAroundAll frame(in);
    for (const std::string& record : records)
        frame.take(record);
    return frame.write(clock, out);
}

WriterResult writeFrameAroundText(const WriterInput& in, std::string_view record, ExistingTextState& text,
                                  const Clock& clock, OutputList& out)
{
    LeaderLayout layout = framingLayout(in);
    layout.tilted = true; // the frame lies along its text
    const WriterResult result{false, layout.frame};
    TextPlacement p;
    if (readHandedOverRecord(record, in.hostTextSizes, text, p) != HandedOverKind::text)
        return result;

    const double scale = in.scale;
    const bool longRound = layout.frameTraits().family == FrameFamily::longRound;
    layout.leaderEnd = layout.p2 = makePoint(p.x, p.y);
    layout.p3 = makePoint(p.x + p.dx, p.y + p.dy);
    layout.reversedText = p.dx < 0;
    layout.turnsWithText = true;
    layout.textDx = p.dx;
    layout.textDy = p.dy;
    const double length = std::sqrt(p.dx * p.dx + p.dy * p.dy);
    // Laid out along +x from the insertion point, then turned onto the text: in its own direction a
    // text's box is the ground its characters cover.
    const TextBox whole{alongText(p.x, length, text.basePoint),
                        acrossText(p.y, text.charHeight * scale, 0, text.basePoint)};
    TextBox box = whole;
    const Gaps g = frameGaps(in.settings, text, longRound, float(scale));
    if (longRound) {
        shortenForLongRound(box, text, float(scale));
        keepCornersInsideRoundEnds(box, whole, g.across);
    }
    const FrameBox placed(makePoint(box.along.lo - g.along / 2, box.across.lo - g.across / 2),
                          makePoint(box.along.hi + g.along / 2, box.across.hi + g.across / 2));
    TextBlockMetrics m = framedMetrics(text, 0, bytesAcross(length, text, float(scale)));
    m.textWidth = finite(length);
    drawFramed(in, layout, m, placed, clock, out);
    return result;
}

} // namespace tagler
