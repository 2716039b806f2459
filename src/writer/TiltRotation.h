#pragma once
#include "writer/Geometry.h"

namespace tagler {

struct LeaderLayout;
struct WriterState;

// Frames are laid out untilted around the leader end and then turned as a whole.
struct TiltAngles {
    double writingAngle = 0;  // the tilt written into arc records
    double rotationAngle = 0; // φ: the turn applied to every point
};

// Angles of the line from centre to point3 under the current layout flags.
TiltAngles tiltAngles(const LeaderLayout& l, Point centre, Point point3);
TiltAngles tiltAngles(const WriterState& s); // about leaderEnd, through point3

Point rotateAbout(Point p, Point centre, double angleDegrees);
// p turned about leaderEnd by the run's rotation angle.
Point tiltPoint(const WriterState& s, Point p);

// Direction angle of v in degrees, 0..360; a zero x is taken as a tiny positive value.
double directionDegrees(double dx, double dy);

} // namespace tagler
