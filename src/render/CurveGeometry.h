#pragma once
#include "render/HostRecord.h"

#include <vector>

// Arcs of circles and ellipses, the way the host reads them.
namespace tagler::render {

struct Ellipse {
    Point centre;
    double radius = 0;   // along the tilted first axis
    double flatness = 1; // second axis / radius
    double tiltRad = 0;
};

// Part of an ellipse from startRad over sweepRad (negative runs clockwise), angles taken in the
// ellipse's own tilted axes. Kept as these numbers, not as points: a sheet of clouds is mostly arcs.
struct EllipseArc {
    Ellipse ellipse;
    double startRad = 0;
    double sweepRad = 0;
    bool throughCentre = false; // a sector: its ends are joined through the centre
};

// Counter-clockwise from a0 to a1 degrees: a start past the end wraps
// through 360 (90 to -90 is the left half); equal angles are a full turn.
double arcSweepDegrees(double startDeg, double endDeg);

// Fine enough that a circle filling a 2000-pixel picture stays round.
inline constexpr int kFinestStepsPerTurn = 180;

// Points along the arc, at most kFinestStepsPerTurn a turn. First and last point lie exactly on
// the ends. `stepsPerTurn` coarser than that serves a small picture of it.
std::vector<Point> ellipseArc(const Ellipse& ellipse, double startRad, double sweepRad,
                              double stepsPerTurn = kFinestStepsPerTurn);

// Steps a turn that keep the chords within `tolerance` of an ellipse whose longer axis is
// `radiusPixels` long on the device, never finer than kFinestStepsPerTurn.
double stepsPerTurnFor(double radiusPixels, double tolerance);

// The smallest axis-parallel box holding the arc (and the centre of a sector).
void arcBounds(const EllipseArc& arc, Point& low, Point& high);

} // namespace tagler::render
