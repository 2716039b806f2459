#include "writer/UnderlineFrame.h"

#include "writer/ColourSelection.h"
#include "writer/FrameBox.h"
#include "writer/Records.h"
#include "writer/TiltRotation.h"
#include "writer/WriterState.h"

#include <cmath>
#include <limits>

namespace tagler {

namespace {

constexpr double kNoLimit = std::numeric_limits<double>::infinity();

enum class HeightTest { below, atMost, above };

// A shallow leader over low text counts as this much less steep when the text moves for it.
constexpr double kEasedSteepness = 1.7;

// When the text runs back over the leader: how steep a leader may pass the
// block's corner untouched, and when the text must make way for it instead.
struct CrossingRow {
    HeightTest test;
    double height; // hA, mm at 1/1
    double steepAbove;
    double steepAtMost;
    bool movesText;
    bool eases; // the steepness counts less for the move
};

constexpr CrossingRow kCrossingRows[] = {
    {HeightTest::below, 9, 50, kNoLimit, false, false},   {HeightTest::below, 18, 90, kNoLimit, false, false},
    {HeightTest::below, 26, 120, kNoLimit, false, false}, {HeightTest::above, 25, 170, kNoLimit, false, false},
    {HeightTest::atMost, 4, 13, kNoLimit, true, true},    {HeightTest::below, 6, 8, 50, true, false},
    {HeightTest::below, 9, 10, 50, true, false},          {HeightTest::below, 13, 12, 90, true, false},
    {HeightTest::below, 18, 13, 90, true, false},         {HeightTest::below, 26, 16, 120, true, false},
    {HeightTest::below, 33, 20, 170, true, false},        {HeightTest::above, 33, 30, 220, true, false},
};

bool matches(const CrossingRow& row, double hA, double steep)
{
    bool height = false;
    switch (row.test) {
    case HeightTest::below: height = hA < row.height; break;
    case HeightTest::atMost: height = hA <= row.height; break;
    case HeightTest::above: height = hA > row.height; break;
    }
    return height && steep > row.steepAbove && steep <= row.steepAtMost;
}

void resolveCrossing(FrameResults& r, double hA, double& steep)
{
    for (const CrossingRow& row : kCrossingRows) {
        if (!matches(row, hA, steep))
            continue;
        r.leaderOverText = false;
        if (row.eases)
            steep /= kEasedSteepness;
        if (row.movesText)
            r.underlineShifted = true;
        return;
    }
}

void moveFarCornerAlong(WriterState& s, double t)
{
    const Point b = s.box.farCorner();
    if (!s.rotated())
        s.box.setFarCorner(Point{finite(b.x + t), b.y});
    else
        s.box.setFarCorner(Point{b.x, finite(b.y + t)});
}

// A leader straight across the text is very steep, not infinitely so.
constexpr double kLevelLeaderRun = 0.0000000001;
// Steepness is counted in tenths of the rise over the run.
constexpr double kSteepnessScale = 10;
// An extension's length in mm, over this, adds to the steepness while the crossing is judged.
constexpr double kExtensionWeight = 1.4;
// Every this much steepness lets the underline make 1 mm less way for the leader.
constexpr double kSteepnessPerMm = 12;
// The underline makes way by half the height it clears plus this margin (mm): below slid lines, or
// below the whole block when the text must move.
constexpr double kSlidLinesMargin = 2;
constexpr double kMovedTextMargin = 3;
// An extended underline shares the way it makes with the extension.
constexpr double kExtendedSlidShare = 2;
constexpr double kExtendedMoveShare = 1.7;

// The leader's steepness against the text's run, and the extension's share of it.
struct Steepness {
    double value;
    double extensionMm;
    double across; // drawing units from the box's anchor to point 1, across the text
};

Steepness leaderSteepness(const WriterState& s, bool horizontal, bool extended)
{
    const double along =
        horizontal ? double(s.layout.p1.x) - s.box.anchor().x : double(s.layout.p1.y) - s.box.anchor().y;
    const double across =
        horizontal ? double(s.layout.p1.y) - s.box.anchor().y : double(s.layout.p1.x) - s.box.anchor().x;
    double steep = std::fabs(across / (along == 0 ? kLevelLeaderRun : along)) * kSteepnessScale;
    steep += steep * s.settings.frameGapHorizontal / 100;
    double extensionMm = 0;
    if (extended) {
        const double length = std::fabs(horizontal ? s.layout.extensionVector.x : s.layout.extensionVector.y);
        extensionMm = divide(length, s.scale) / kExtensionWeight;
        steep += extensionMm;
    }
    return {steep, extensionMm, across};
}

// Moves the underline's far end out of the leader's way; returns how far.
double makeWayForLeader(WriterState& s, FrameResults& r, double steep, double hA, double hB, bool extended)
{
    const int lines = s.m.writtenLines();
    const int slide = s.m.effectiveSlide;
    const double q = steep / kSteepnessPerMm;
    const bool forward = !s.rotated() ? s.layout.extendsRight : s.layout.extendsUp;
    double t = 0;
    if (s.layout.leaderUnderText && slide >= 1) {
        t = (hB * 0.5 + kSlidLinesMargin - q) * s.scale;
        if (!forward)
            t = -t;
        if (extended)
            t /= kExtendedSlidShare;
        moveFarCornerAlong(s, t);
        r.underlineShifted = true;
    } else if (r.underlineShifted) {
        t = (hA * 0.5 + kMovedTextMargin - q) * s.scale;
        if (!forward)
            t = -t;
        if (extended)
            t /= kExtendedMoveShare;
        if (slide >= lines)
            r.underlineShifted = false;
        else
            moveFarCornerAlong(s, t);
    }
    return t;
}

void drawUnderline(WriterState& s, bool horizontal, bool extended)
{
    // 下線延長 draws the extension as part of the underline, so it takes the extension's colour.
    appendColour(s, extended ? s.settings.extensionColor : s.settings.frameColor);
    Point near = s.box.anchor();
    Point far =
        horizontal ? Point{s.box.farCorner().x, s.box.anchor().y} : Point{s.box.anchor().x, s.box.farCorner().y};
    if (s.tilted()) {
        far = tiltPoint(s, far);
        if (s.modeTraits().completion == Completion::frameEach || s.modeTraits().textOnly)
            near = tiltPoint(s, near);
    }
    s.out.append(lineRecord(near, far));
}

} // namespace

FrameResults writeUnderlineFrame(WriterState& s, FrameResults r)
{
    if (s.modeTraits().textOnly)
        applyAttachShift(s);

    const bool extended = s.frameTraits().extended;
    const bool horizontal = !s.rotated();
    const TextBlockMetrics& m = s.m;
    const int lines = m.writtenLines();
    const int slide = m.effectiveSlide;

    Steepness steep = leaderSteepness(s, horizontal, extended);
    const double gap = s.settings.frameGapVertical / 10.0;
    const double pitchMm = m.charHeight + m.lineSpacing;
    const double hA = lines == 0 ? gap + pitchMm : gap + pitchMm * (lines - slide);
    const double hB = gap + pitchMm * slide;

    if (r.leaderOverText)
        resolveCrossing(r, hA, steep.value);
    // A tip inside the text above the underline would have its leader drawn through the text.
    if (r.leaderOverText && m.frameHeight - hB * s.scale > std::fabs(steep.across))
        r.leaderVisible = false;

    r.underlineShift = finite(makeWayForLeader(s, r, steep.value - steep.extensionMm, hA, hB, extended));

    if (extended)
        s.box.translateFarCorner(s.layout.extensionVector.x, s.layout.extensionVector.y);
    drawUnderline(s, horizontal, extended);
    if (extended) {
        const Point a = s.box.anchor();
        if (horizontal)
            s.box.setAnchor(Point{finite(a.x + double(s.layout.extensionVector.x)), a.y});
        else
            s.box.setAnchor(Point{a.x, finite(a.y + double(s.layout.extensionVector.y))});
    }

    if (slide >= lines)
        r.leaderOverText = false;
    if (r.leaderOverText) {
        // Lines slid below the underline are not part of the block the leader meets.
        const double above = slide * pitchMm * s.scale;
        if (horizontal)
            r.connector = makePoint(s.layout.leaderEnd.x, s.box.anchor().y + double(m.frameHeight) - above);
        else
            r.connector = makePoint(s.box.anchor().x - double(m.frameHeight) + above, s.layout.leaderEnd.y);
    }
    return r;
}

} // namespace tagler
