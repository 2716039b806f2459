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
    {HeightTest::below, 9, 50, kNoLimit, false, false},
    {HeightTest::below, 18, 90, kNoLimit, false, false},
    {HeightTest::below, 26, 120, kNoLimit, false, false},
    {HeightTest::above, 25, 170, kNoLimit, false, false},
    {HeightTest::atMost, 4, 13, kNoLimit, true, true},
    {HeightTest::below, 6, 8, 50, true, false},
    {HeightTest::below, 9, 10, 50, true, false},
    {HeightTest::below, 13, 12, 90, true, false},
    {HeightTest::below, 18, 13, 90, true, false},
    {HeightTest::below, 26, 16, 120, true, false},
    {HeightTest::below, 33, 20, 170, true, false},
    {HeightTest::above, 33, 30, 220, true, false},
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

void resolveCrossing(WriterState& s, double hA, double& steep)
{
    for (const CrossingRow& row : kCrossingRows) {
        if (!matches(row, hA, steep))
            continue;
        s.leaderOverText = false;
        if (row.eases)
            steep /= 1.7;
        if (row.movesText)
            s.underlineShifted = true;
        return;
    }
}

void moveFarCornerAlong(WriterState& s, double t)
{
    if (!s.rotated())
        s.farCorner.x = finite(s.farCorner.x + t);
    else
        s.farCorner.y = finite(s.farCorner.y + t);
}

} // namespace

void writeUnderlineFrame(WriterState& s)
{
    if (s.mode == SessionMode::textMode)
        applyAttachShift(s);

    const bool extended = s.frameType() == 6;
    const bool horizontal = !s.rotated();
    const TextBlockMetrics& m = s.m;
    const int lines = m.writtenLines();
    const int slide = m.effectiveSlide;

    const double along = horizontal ? double(s.p1.x) - s.p2.x : double(s.p1.y) - s.p2.y;
    const double across = horizontal ? double(s.p1.y) - s.p2.y : double(s.p1.x) - s.p2.x;
    double steep = std::fabs(across / (along == 0 ? 0.0000000001 : along)) * 10;
    steep += steep * s.settings.frameGapHorizontal / 100;
    double extensionMm = 0;
    if (extended) {
        const double length = std::fabs(horizontal ? s.extensionVector.x : s.extensionVector.y);
        extensionMm = divide(length, s.scale) / 1.4;
        steep += extensionMm;
    }

    const double gap = s.settings.frameGapVertical / 10.0;
    const double pitchMm = m.charHeight + m.lineSpacing;
    const double hA = lines == 0 ? gap + pitchMm : gap + pitchMm * (lines - slide);
    const double hB = gap + pitchMm * slide;

    if (s.leaderOverText)
        resolveCrossing(s, hA, steep);
    // A tip inside the text above the underline would have its leader drawn through the text.
    if (s.leaderOverText && m.frameHeight - hB * s.scale > std::fabs(across))
        s.leaderVisible = false;

    steep -= extensionMm;
    const double q = steep / 12;
    const bool forward = horizontal ? s.extendsRight : s.extendsUp;
    double t = 0;
    if (s.leaderUnderText && slide >= 1) {
        t = (hB * 0.5 + 2 - q) * s.scale;
        if (!forward)
            t = -t;
        if (extended)
            t /= 2;
        moveFarCornerAlong(s, t);
        s.underlineShifted = true;
    } else if (s.underlineShifted) {
        t = (hA * 0.5 + 3 - q) * s.scale;
        if (!forward)
            t = -t;
        if (extended)
            t /= 1.7;
        if (slide >= lines)
            s.underlineShifted = false;
        else
            moveFarCornerAlong(s, t);
    }
    s.underlineShift = finite(t);

    if (extended)
        s.farCorner = makePoint(s.farCorner.x + double(s.extensionVector.x), s.farCorner.y + double(s.extensionVector.y));

    // 下線延長 draws the extension as part of the underline, so it takes the extension's colour.
    appendColour(s, extended ? s.settings.extensionColor : s.settings.frameColor);
    Point near = s.p2;
    Point far = horizontal ? Point{s.farCorner.x, s.p2.y} : Point{s.p2.x, s.farCorner.y};
    if (s.tilted()) {
        far = tiltPoint(s, far);
        if (s.mode == SessionMode::frameWrite2 || s.mode == SessionMode::textMode)
            near = tiltPoint(s, near);
    }
    s.out.append(lineRecord(near, far));

    if (extended) {
        if (horizontal)
            s.p2.x = finite(s.p2.x + double(s.extensionVector.x));
        else
            s.p2.y = finite(s.p2.y + double(s.extensionVector.y));
    }

    if (slide >= lines)
        s.leaderOverText = false;
    if (s.leaderOverText) {
        // Lines slid below the underline are not part of the block the leader meets.
        const double above = slide * pitchMm * s.scale;
        if (horizontal)
            s.connector = makePoint(s.leaderEnd.x, s.p2.y + double(m.frameHeight) - above);
        else
            s.connector = makePoint(s.p2.x - double(m.frameHeight) + above, s.leaderEnd.y);
    }
}

} // namespace tagler
