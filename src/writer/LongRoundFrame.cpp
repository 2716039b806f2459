#include "writer/LongRoundFrame.h"

#include "writer/ColourSelection.h"
#include "writer/FrameBox.h"
#include "writer/FrameLineSupport.h"

#include <cmath>

namespace tagler {

namespace {

bool placesAwayFromTip(SessionMode mode) { return !traits(mode).handsOverSelection; }

bool keepsFullStraight(const WriterState& s)
{
    return s.settings.noFrameGap || s.modeTraits().completion == Completion::importTexts || s.framingExistingText();
}

// The box goes on the far side of the leader end so the tip never points into it.
void placeAwayFromTip(WriterState& s)
{
    const double h = s.m.frameHeight;
    const Point a = s.box.anchor();
    const Point b = s.box.farCorner();
    if (!s.rotated() && s.layout.leaderRunsDown)
        s.box.setFarCorner(Point{b.x, finite(a.y - h)});
    else if (s.rotated() && !s.layout.leaderRunsLeft)
        s.box.setFarCorner(Point{finite(a.x + h), b.y});
}

// The far half circle bulges past straightEnd, so the straight part is one
// character shorter than the box when there is a gap to take it from.
void placeStraightEnd(const WriterState& s, FrameResults& r)
{
    const bool forward = s.rotated() ? s.layout.extendsUp : s.layout.extendsRight;
    const float end = s.rotated() ? s.box.farCorner().y : s.box.farCorner().x;
    if (keepsFullStraight(s)) {
        r.straightEnd = end;
        return;
    }
    const double character = 2 * s.m.halfCharWidth * s.scale;
    r.straightEnd = finite(forward ? end - character : end + character);
}

void placeRound(const WriterState& s, FrameResults& res)
{
    const Point a = s.box.anchor();
    const Point b = s.box.farCorner();
    double radius = 0;
    double centre = 0;
    if (!s.rotated()) {
        radius = s.layout.leaderRunsDown ? (double(a.y) - b.y) / 2 : (double(b.y) - a.y) / 2;
        centre = (s.layout.leaderRunsDown ? b.y : a.y) + radius;
    } else {
        radius = !s.layout.leaderRunsLeft ? (double(b.x) - a.x) / 2 : (double(a.x) - b.x) / 2;
        centre = (!s.layout.leaderRunsLeft ? a.x : b.x) + radius;
    }
    // Existing text may sit either side of its base line; the centre stays midway.
    if (s.framingExistingText())
        radius = std::fabs(radius);
    res.roundRadius = finite(radius);
    res.roundCentre = finite(centre);
}

// 長丸延長: the extension line ends on the outermost point of the near half circle.
void shiftOntoExtension(WriterState& s, FrameResults& res)
{
    const double radius = res.roundRadius;
    const bool forward = s.rotated() ? s.layout.extendsUp : s.layout.extendsRight;
    const bool towardTip = s.rotated() ? s.layout.leaderRunsLeft : s.layout.leaderRunsDown;
    const double along = forward ? radius : -radius;
    const double across = towardTip ? radius : -radius;
    if (!s.rotated())
        s.box.translate(along, across);
    else
        s.box.translate(across, along);
    res.straightEnd = finite(res.straightEnd + along);
    res.roundCentre = finite(res.roundCentre + across);
}

void writeHorizontal(WriterState& s, const FrameResults& r)
{
    const Point a = s.box.anchor();
    const Point b = s.box.farCorner();
    const float e = r.straightEnd;
    appendFrameLine(s, a, Point{e, a.y});
    appendFrameLine(s, Point{e, b.y}, Point{a.x, b.y});

    // A text running right to left is turned half round: its ends swap their forms.
    const bool forward = s.layout.extendsRight != s.layout.reversedText;
    const char* nearTail = forward ? " 90 -90 1 " : " -90 90 1 ";
    const char* farTail = forward ? " -90 90 1 " : " 90 -90 1 ";
    const Point nearCentre{a.x, r.roundCentre};
    const Point farCentre{e, r.roundCentre};
    if (!s.tilted()) {
        s.out.append(arcRecord(nearCentre, r.roundRadius, std::string(nearTail) + "0"));
        s.out.append(arcRecord(farCentre, r.roundRadius, std::string(farTail) + "0"));
        return;
    }
    const float tilt = finite(tiltAngles(s).writingAngle);
    s.out.append(tiltedArcRecord(tiltPoint(s, nearCentre), r.roundRadius, nearTail, tilt));
    s.out.append(tiltedArcRecord(tiltPoint(s, farCentre), r.roundRadius, farTail, tilt));
}

void writeRotated(WriterState& s, const FrameResults& r)
{
    const Point a = s.box.anchor();
    const Point b = s.box.farCorner();
    const float e = r.straightEnd;
    appendFrameLine(s, a, Point{a.x, e});
    appendFrameLine(s, Point{b.x, e}, Point{b.x, a.y});

    const char* nearTail = s.layout.extendsUp ? " 180 0 1 " : " 0 180 1 ";
    const char* farTail = s.layout.extendsUp ? " 0 180 1 " : " 180 0 1 ";
    const Point nearCentre{r.roundCentre, a.y};
    const Point farCentre{r.roundCentre, e};
    if (!s.tilted()) {
        s.out.append(arcRecord(nearCentre, r.roundRadius, std::string(nearTail) + "0"));
        s.out.append(arcRecord(farCentre, r.roundRadius, std::string(farTail) + "0"));
        return;
    }
    const double quarter = s.layout.leaderRunsLeft == s.layout.extendsUp ? 90 : -90;
    const float tilt = finite(tiltAngles(s).writingAngle + quarter);
    s.out.append(tiltedArcRecord(tiltPoint(s, nearCentre), r.roundRadius, nearTail, tilt));
    s.out.append(tiltedArcRecord(tiltPoint(s, farCentre), r.roundRadius, farTail, tilt));
}

} // namespace

FrameResults writeLongRoundFrame(WriterState& s, FrameResults r)
{
    if (placesAwayFromTip(s.mode))
        placeAwayFromTip(s);
    const bool extended = s.frameTraits().extended;
    if (extended)
        writeExtensionLine(s);
    // The attach position moves a long-round frame only in text mode.
    if (s.modeTraits().textOnly)
        applyAttachShift(s);

    placeStraightEnd(s, r);
    placeRound(s, r);
    if (extended)
        shiftOntoExtension(s, r);

    appendColour(s, s.settings.frameColor);
    if (!s.rotated())
        writeHorizontal(s, r);
    else
        writeRotated(s, r);
    return r;
}

} // namespace tagler
