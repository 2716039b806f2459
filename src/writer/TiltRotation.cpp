#include "writer/TiltRotation.h"

#include "base/PortableMath.h"
#include "writer/LeaderLayout.h"
#include "writer/WriterState.h"

#include <cmath>

namespace tagler {

double directionDegrees(double dx, double dy)
{
    if (dx == 0)
        dx = 1e-30;
    double a = pmath::atan(dy / dx) * kDegreesPerRadian;
    if (dx < 0)
        a += 180;
    else if (dy < 0)
        a += 360;
    return a;
}

namespace {

TiltAngles anglesOf(const LeaderLayout& l, double dx, double dy)
{
    double theta = pmath::atan(dy / (dx == 0 ? 0.0000001 : dx)) * kDegreesPerRadian;
    TiltAngles t;
    bool sameSide = l.leaderRunsLeft == l.extendsRight;
    t.writingAngle = l.rotated() && sameSide ? theta + 180 : theta;

    double phi = theta;
    if (dx < 0 || (dx == 0 && !l.turnsWithText))
        phi = theta + 180;
    else if (dy < 0)
        phi = theta + 360;
    if (!l.rotated()) {
        if (!l.extendsRight)
            phi -= 180;
    } else if (l.extendsUp) {
        phi += sameSide ? 90 : -90;
    } else {
        phi += sameSide ? -90 : 90;
    }
    t.rotationAngle = phi;
    return t;
}

} // namespace

TiltAngles tiltAngles(const LeaderLayout& l, Point c, Point p3)
{
    return anglesOf(l, double(p3.x) - c.x, double(p3.y) - c.y);
}

TiltAngles tiltAngles(const WriterState& s)
{
    const LeaderLayout& l = s.layout;
    // A handed-over text turns by its own direction: X + DX in single precision may lose DX altogether.
    if (l.turnsWithText)
        return anglesOf(l, l.textDx, l.textDy);
    return tiltAngles(l, l.leaderEnd, l.p3);
}

Point rotateAbout(Point p, Point c, double angle)
{
    double dx = double(p.x) - c.x;
    double dy = double(p.y) - c.y;
    double r = std::sqrt(dx * dx + dy * dy);
    double a = (directionDegrees(dx, dy) + angle) / kDegreesPerRadian;
    return makePoint(c.x + r * pmath::cos(a), c.y + r * pmath::sin(a));
}

Point tiltPoint(const WriterState& s, Point p)
{
    return rotateAbout(p, s.layout.leaderEnd, tiltAngles(s).rotationAngle);
}

} // namespace tagler
