#pragma once
#include "render/HostRecord.h"

#include <vector>

// Arcs of circles and ellipses as point lists, the way the host reads them.
namespace tagler::render {

struct Ellipse {
    Point centre;
    double radius = 0;   // along the tilted first axis
    double flatness = 1; // second axis / radius
    double tiltRad = 0;
};

// Counter-clockwise from a0 to a1 degrees: a start past the end wraps
// through 360 (90 to -90 is the left half); equal angles are a full turn.
double arcSweepDegrees(double startDeg, double endDeg);

// Points along the ellipse from startRad over sweepRad (negative runs
// clockwise); angles are taken in the ellipse's own tilted axes. First and
// last point lie exactly on the ends.
std::vector<Point> ellipseArc(const Ellipse& ellipse, double startRad, double sweepRad);

} // namespace tagler::render
