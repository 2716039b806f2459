#include "render/CurveGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tagler::render {
namespace {

constexpr double turn = 2 * std::numbers::pi;

Point onEllipse(const Ellipse& e, double t, double c, double s)
{
    const double u = e.radius * std::cos(t), v = e.radius * e.flatness * std::sin(t);
    return {e.centre.x + u * c - v * s, e.centre.y + u * s + v * c};
}

// Whether angle t lies on the arc from start over sweep, whichever way it runs.
bool onSweep(double t, double start, double sweep)
{
    if (std::fabs(sweep) >= turn)
        return true;
    const double from = sweep >= 0 ? start : start + sweep;
    const double along = std::fmod(std::fmod(t - from, turn) + turn, turn);
    return along <= std::fabs(sweep);
}

} // namespace

double arcSweepDegrees(double startDeg, double endDeg)
{
    double sweep = std::fmod(endDeg - startDeg, 360.0);
    if (sweep <= 0)
        sweep += 360.0;
    return sweep;
}

std::vector<Point> ellipseArc(const Ellipse& e, double startRad, double sweepRad, double stepsPerTurn)
{
    stepsPerTurn = std::min<double>(stepsPerTurn, kFinestStepsPerTurn);
    const int steps = std::max(4, static_cast<int>(std::ceil(std::fabs(sweepRad) / turn * stepsPerTurn)));
    const double c = std::cos(e.tiltRad), s = std::sin(e.tiltRad);
    std::vector<Point> points;
    points.reserve(static_cast<std::size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i)
        points.push_back(onEllipse(e, startRad + sweepRad * i / steps, c, s));
    return points;
}

double stepsPerTurnFor(double radiusPixels, double tolerance)
{
    if (!(radiusPixels > tolerance))
        return 0; // the fewest steps ellipseArc takes
    // A chord over angle a stands off the circle by r (1 - cos(a/2)).
    const double step = 2 * std::acos(1 - tolerance / radiusPixels);
    return std::min<double>(kFinestStepsPerTurn, std::ceil(turn / step));
}

void arcBounds(const EllipseArc& arc, Point& low, Point& high)
{
    const Ellipse& e = arc.ellipse;
    const double c = std::cos(e.tiltRad), s = std::sin(e.tiltRad), f = e.flatness;
    auto take = [&](double t) {
        const Point p = onEllipse(e, t, c, s);
        low = {std::min(low.x, p.x), std::min(low.y, p.y)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y)};
    };
    low = high = onEllipse(e, arc.startRad, c, s);
    take(arc.startRad + arc.sweepRad);
    if (arc.throughCentre) {
        low = {std::min(low.x, e.centre.x), std::min(low.y, e.centre.y)};
        high = {std::max(high.x, e.centre.x), std::max(high.y, e.centre.y)};
    }
    // Where x and where y turn back along the ellipse.
    const double tx = std::atan2(-f * s, c), ty = std::atan2(f * c, s);
    for (const double t : {tx, tx + std::numbers::pi, ty, ty + std::numbers::pi})
        if (onSweep(t, arc.startRad, arc.sweepRad))
            take(t);
}

} // namespace tagler::render
