#include "render/CurveGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tagler::render {

double arcSweepDegrees(double startDeg, double endDeg)
{
    double sweep = std::fmod(endDeg - startDeg, 360.0);
    if (sweep <= 0)
        sweep += 360.0;
    return sweep;
}

std::vector<Point> ellipseArc(const Ellipse& e, double startRad, double sweepRad)
{
    // Fine enough that a circle filling a 2000-pixel picture stays round.
    constexpr double stepsPerTurn = 180;
    int steps = std::max(4, static_cast<int>(std::ceil(std::fabs(sweepRad) / (2 * std::numbers::pi) * stepsPerTurn)));
    double c = std::cos(e.tiltRad), s = std::sin(e.tiltRad);
    std::vector<Point> points;
    points.reserve(static_cast<std::size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i) {
        double t = startRad + sweepRad * i / steps;
        double u = e.radius * std::cos(t), v = e.radius * e.flatness * std::sin(t);
        points.push_back({e.centre.x + u * c - v * s, e.centre.y + u * s + v * c});
    }
    return points;
}

} // namespace tagler::render
