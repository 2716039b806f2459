#include "writer/LongRoundFrame.h"

#include "writer/ColourSelection.h"
#include "writer/FrameBox.h"
#include "writer/FrameLineSupport.h"

#include <cmath>

namespace tagler {

namespace {

bool placesAwayFromTip(SessionMode mode)
{
    return mode == SessionMode::normal || mode == SessionMode::textMode || mode == SessionMode::fourPoint;
}

bool keepsFullStraight(const WriterState& s)
{
    return s.settings.noFrameGap || s.mode == SessionMode::importText || s.framingExistingText();
}

// The box goes on the far side of the leader end so the tip never points into it.
void placeAwayFromTip(WriterState& s)
{
    const double h = s.m.frameHeight;
    if (!s.rotated() && s.leaderRunsDown)
        s.farCorner.y = finite(s.p2.y - h);
    else if (s.rotated() && !s.leaderRunsLeft)
        s.farCorner.x = finite(s.p2.x + h);
}

// The far half circle bulges past straightEnd, so the straight part is one
// character shorter than the box when there is a gap to take it from.
void placeStraightEnd(WriterState& s)
{
    const bool forward = s.rotated() ? s.extendsUp : s.extendsRight;
    const float end = s.rotated() ? s.farCorner.y : s.farCorner.x;
    if (keepsFullStraight(s)) {
        s.straightEnd = end;
        return;
    }
    const double character = 2 * s.m.halfCharWidth * s.scale;
    s.straightEnd = finite(forward ? end - character : end + character);
}

void placeRound(WriterState& s)
{
    const Point a = s.p2;
    const Point b = s.farCorner;
    double r = 0;
    double centre = 0;
    if (!s.rotated()) {
        r = s.leaderRunsDown ? (double(a.y) - b.y) / 2 : (double(b.y) - a.y) / 2;
        centre = (s.leaderRunsDown ? b.y : a.y) + r;
    } else {
        r = !s.leaderRunsLeft ? (double(b.x) - a.x) / 2 : (double(a.x) - b.x) / 2;
        centre = (!s.leaderRunsLeft ? a.x : b.x) + r;
    }
    // Existing text may sit either side of its base line; the centre stays midway.
    if (s.framingExistingText())
        r = std::fabs(r);
    s.roundRadius = finite(r);
    s.roundCentre = finite(centre);
}

// 長丸延長: the extension line ends on the outermost point of the near half circle.
void shiftOntoExtension(WriterState& s)
{
    const double r = s.roundRadius;
    const bool forward = s.rotated() ? s.extendsUp : s.extendsRight;
    const bool towardTip = s.rotated() ? s.leaderRunsLeft : s.leaderRunsDown;
    const double along = forward ? r : -r;
    const double across = towardTip ? r : -r;
    if (!s.rotated()) {
        s.p2 = makePoint(s.p2.x + along, s.p2.y + across);
        s.farCorner = makePoint(s.farCorner.x + along, s.farCorner.y + across);
    } else {
        s.p2 = makePoint(s.p2.x + across, s.p2.y + along);
        s.farCorner = makePoint(s.farCorner.x + across, s.farCorner.y + along);
    }
    s.straightEnd = finite(s.straightEnd + along);
    s.roundCentre = finite(s.roundCentre + across);
}

void writeHorizontal(WriterState& s)
{
    const Point a = s.p2;
    const Point b = s.farCorner;
    const float e = s.straightEnd;
    appendFrameLine(s, a, Point{e, a.y});
    appendFrameLine(s, Point{e, b.y}, Point{a.x, b.y});

    const char* nearTail = s.extendsRight ? " 90 -90 1 " : " -90 90 1 ";
    const char* farTail = s.extendsRight ? " -90 90 1 " : " 90 -90 1 ";
    const Point nearCentre{a.x, s.roundCentre};
    const Point farCentre{e, s.roundCentre};
    if (!s.tilted()) {
        s.out.append(arcRecord(nearCentre, s.roundRadius, std::string(nearTail) + "0"));
        s.out.append(arcRecord(farCentre, s.roundRadius, std::string(farTail) + "0"));
        return;
    }
    const float tilt = finite(tiltAngles(s).writingAngle);
    s.out.append(tiltedArcRecord(tiltPoint(s, nearCentre), s.roundRadius, nearTail, tilt));
    s.out.append(tiltedArcRecord(tiltPoint(s, farCentre), s.roundRadius, farTail, tilt));
}

void writeRotated(WriterState& s)
{
    const Point a = s.p2;
    const Point b = s.farCorner;
    const float e = s.straightEnd;
    appendFrameLine(s, a, Point{a.x, e});
    appendFrameLine(s, Point{b.x, e}, Point{b.x, a.y});

    const char* nearTail = s.extendsUp ? " 180 0 1 " : " 0 180 1 ";
    const char* farTail = s.extendsUp ? " 0 180 1 " : " 180 0 1 ";
    const Point nearCentre{s.roundCentre, a.y};
    const Point farCentre{s.roundCentre, e};
    if (!s.tilted()) {
        s.out.append(arcRecord(nearCentre, s.roundRadius, std::string(nearTail) + "0"));
        s.out.append(arcRecord(farCentre, s.roundRadius, std::string(farTail) + "0"));
        return;
    }
    const double quarter = s.leaderRunsLeft == s.extendsUp ? 90 : -90;
    const float tilt = finite(tiltAngles(s).writingAngle + quarter);
    s.out.append(tiltedArcRecord(tiltPoint(s, nearCentre), s.roundRadius, nearTail, tilt));
    s.out.append(tiltedArcRecord(tiltPoint(s, farCentre), s.roundRadius, farTail, tilt));
}

} // namespace

void writeLongRoundFrame(WriterState& s)
{
    if (placesAwayFromTip(s.mode))
        placeAwayFromTip(s);
    if (s.frameType() == 8)
        writeExtensionLine(s);
    // The attach position moves a long-round frame only in text mode.
    if (s.mode == SessionMode::textMode)
        applyAttachShift(s);

    placeStraightEnd(s);
    placeRound(s);
    if (s.frameType() == 8)
        shiftOntoExtension(s);

    appendColour(s, s.settings.frameColor);
    if (!s.rotated())
        writeHorizontal(s);
    else
        writeRotated(s);
}

} // namespace tagler
