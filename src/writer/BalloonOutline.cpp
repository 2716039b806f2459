#include "writer/BalloonOutline.h"

#include "writer/ColourSelection.h"
#include "writer/Records.h"
#include "writer/TiltRotation.h"
#include "writer/WriterState.h"

#include <cmath>

namespace tagler {

Point BalloonOutline::at(double along, double across) const
{
    return rotated ? makePoint(across, along) : makePoint(along, across);
}

Point BalloonOutline::mouthEnd() const { return at(alongOf(anchor) + alongSign * mouth, acrossOf(anchor)); }

double BalloonOutline::width() const { return std::fabs(alongOf(farCorner) - alongOf(anchor)); }
double BalloonOutline::height() const { return std::fabs(acrossOf(farCorner) - acrossOf(anchor)); }

bool drawsTail(const WriterState& s) { return s.frame.leaderVisible && s.modeTraits().drawsLeader; }

float balloonMouth(const WriterState& s)
{
    if (!drawsTail(s))
        return 0;
    const double bytes = s.m.maxLineBytes;
    return finite(std::sqrt(bytes) * divide(divide(s.m.frameWidth, bytes), 1.7));
}

float cloudMargin(const WriterState& s)
{
    if (s.settings.noFrameGap)
        return 0;
    return finite((s.m.maxLineBytes < 20 ? 0.6 : 1.4) * s.scale);
}

BalloonOutline balloonOutline(const WriterState& s)
{
    BalloonOutline box;
    box.rotated = s.rotated();
    // The same signs the far corner was placed with, so a box of zero extent still knows its sides.
    if (!box.rotated) {
        box.alongSign = s.layout.extendsRight ? 1 : -1;
        box.acrossSign = s.layout.sidePlacement && s.layout.leaderRunsDown ? -1 : 1;
    } else {
        box.alongSign = s.layout.extendsUp ? 1 : -1;
        box.acrossSign = s.layout.sidePlacement && !s.layout.leaderRunsLeft ? 1 : -1;
    }
    box.anchor = s.box.anchor();
    box.farCorner = s.box.farCorner();
    box.mouth = balloonMouth(s);
    box.tail = drawsTail(s);
    return box;
}

BalloonOutline cloudOutline(const WriterState& s)
{
    BalloonOutline box = balloonOutline(s);
    const double m = cloudMargin(s);
    box.anchor = box.at(box.alongOf(box.anchor), box.acrossOf(box.anchor) - box.acrossSign * m);
    box.farCorner = box.at(box.alongOf(box.farCorner), box.acrossOf(box.farCorner) + box.acrossSign * m);
    return box;
}

Point turnedForTilt(const WriterState& s, Point p) { return s.tilted() ? tiltPoint(s, p) : p; }

double frameTurnDegrees(const WriterState& s) { return s.tilted() ? tiltAngles(s).rotationAngle : 0; }

void writeBalloonTail(WriterState& s, const BalloonOutline& box)
{
    if (!box.tail)
        return;
    // The tip is where the user pointed: it stays put while the frame turns.
    appendLeaderColour(s);
    s.out.append(lineRecord(s.layout.p1, turnedForTilt(s, box.anchor)));
    s.out.append(lineRecord(s.layout.p1, turnedForTilt(s, box.mouthEnd())));
}

} // namespace tagler
