#include "writer/CurvedLeader.h"

#include "base/PortableMath.h"
#include "writer/Records.h"
#include "writer/TipStage.h"
#include "writer/WriterState.h"

#include <cmath>
#include <span>

namespace tagler {

namespace {

// One arc of the fixed figure, in units of the leader's length L, measured from the leader start
// relative to the leader direction θ.
struct CurveArc {
    double offsetDegrees; // αi
    double distance;      // di
    double radius;        // ri
    const char* angles;   // start, end and flatness, written as they stand
    double extraTilt;     // added to θ
};

constexpr CurveArc kCurve1First[] = {
    {-71.0754, 0.925, 0.925, " 71.07535 108.92464 1 ", 0},     {-51.3402, 1.12055, 0.925, " 71.07535 108.92464 1 ", 0},
    {15.3763, 0.518562, 0.2125, " 241.92751 298.07248 1 ", 0}, {-3.4893, 0.410759, 0.0269, " 111.7966 248.20339 1 ", 0},
    {-2.4293, 0.589807, 0.0272, " 293.21554 66.78445 1 ", 0},
};

constexpr CurveArc kCurve1Second[] = {
    {71.0754, 0.925, 0.925, " 251.07535 288.92464 1 ", 0},     {51.3402, 1.12055, 0.925, " 251.07535 288.92464 1 ", 0},
    {-15.3763, 0.518562, 0.2125, " 61.92751 118.07248 1 ", 0}, {3.4893, 0.410759, 0.0269, " 111.7966 248.20339 1 ", 0},
    {2.4293, 0.589807, 0.0272, " 293.21554 66.78445 1 ", 0},
};

constexpr CurveArc kCurve2First[] = {
    {74.16, 1.99541, 1.9954, " 254.16025 268.41028 1 ", 0},
    {-76.462, 1.95925, 1.980239, " 74.13485 88.80361 1 ", 0},
    {-4.335, 0.496062, 0.0947018, " 269.99995 90 0.4 ", -8.13},
    {4.244, 0.506747, 0.0947018, " 269.99995 90 0.4 ", 171.86979},
};

constexpr CurveArc kCurve2Second[] = {
    {-74.16, 1.99541, 1.9954, " 91.589716 105.839749 1 ", 0},
    {76.462, 1.95925, 1.980239, " 271.19638 285.86514 1 ", 0},
    {4.335, 0.496062, 0.0947018, " 269.99995 90 0.4 ", 8.13},
    {-4.244, 0.506747, 0.0947018, " 269.99995 90 0.4 ", -171.86979},
};

std::span<const CurveArc> curveTable(int curve, bool firstSide)
{
    if (curve == 1)
        return firstSide ? std::span<const CurveArc>(kCurve1First) : std::span<const CurveArc>(kCurve1Second);
    return firstSide ? std::span<const CurveArc>(kCurve2First) : std::span<const CurveArc>(kCurve2Second);
}

} // namespace

bool curveSide(const WriterState& s)
{
    if (!s.rotated())
        return s.layout.leaderRunsLeft == s.layout.leaderRunsDown;
    return s.layout.leaderRunsLeft == s.layout.extendsUp;
}

void writeCurvedLeader(WriterState& s)
{
    const Point start = s.leaderStart;
    // The figure is scaled to reach the leader end; the frame stage may have moved point 2 since.
    const double length = pmath::hypot(double(s.layout.leaderEnd.x) - start.x, double(s.layout.leaderEnd.y) - start.y);
    const float theta = finite(leaderDirection(s));
    for (const CurveArc& arc : curveTable(s.frameTraits().curve, curveSide(s))) {
        const double a = (theta + arc.offsetDegrees) / kDegreesPerRadian;
        const double d = arc.distance * length;
        const Point centre = makePoint(start.x + d * pmath::cos(a), start.y + d * pmath::sin(a));
        const float radius = finite(arc.radius * length);
        const float tilt = arc.extraTilt == 0 ? theta : finite(theta + arc.extraTilt);
        s.out.append(tiltedArcRecord(centre, radius, arc.angles, tilt));
    }
}

} // namespace tagler
