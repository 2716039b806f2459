#include "writer/TipStage.h"

#include "settings/AnnotationSettings.h"
#include "writer/ColourSelection.h"
#include "writer/Records.h"
#include "writer/WriterState.h"

#include <cmath>

namespace tagler {

namespace {

double directionFromTip(const WriterState& s, Point target)
{
    double dx = double(target.x) - s.p1.x;
    double dy = double(target.y) - s.p1.y;
    if (dx == 0)
        dx = 1e-11;
    double theta = std::atan(dy / dx) * 57.29578;
    if (dx < 0)
        theta += 180;
    return theta;
}

// Where the straight leader's first segment runs: the symbol and the dot's rim
// start must line up with it, and it ends at the leader end only when nothing
// bends or reroutes the leader.
Point firstLeaderTarget(const WriterState& s)
{
    if (s.mode == SessionMode::fourPoint)
        return s.p4;
    if ((s.frameType() == 1 || s.frameType() == 6) && s.leaderOverText)
        return s.connector;
    return s.leaderEnd;
}

} // namespace

// Towards the leader end: the frame stage may already have moved point 2 by the attach offset.
double leaderDirection(const WriterState& s) { return directionFromTip(s, s.leaderEnd); }

bool curveSide(const WriterState& s)
{
    if (!s.rotated())
        return s.leaderRunsLeft == s.leaderRunsDown;
    return s.leaderRunsLeft == s.extendsUp;
}

namespace {

Point polar(Point origin, double length, double degrees)
{
    const double r = degrees / kDegreesPerRadian;
    return makePoint(origin.x + length * std::cos(r), origin.y + length * std::sin(r));
}

} // namespace

void runTipStage(WriterState& s)
{
    s.leaderStart = s.p1;
    const AnnotationSettings& set = s.settings;
    const int f = s.frameType();
    if (s.framingExistingText() || s.mode == SessionMode::textMode || !s.leaderVisible || set.tipSymbol == 0 ||
        (f >= 10 && f <= 12))
        return;

    const double theta = f == 13 || f == 14 ? leaderDirection(s) : directionFromTip(s, firstLeaderTarget(s));
    const bool dot = set.tipSymbol == 2 || set.tipSymbol == 3;
    appendColour(s, dot ? set.dotColor : set.arrowColor);

    const Point p1 = s.p1;
    const double radius = set.dotRadius / 10.0 * s.scale;
    if (dot) {
        const float r = finite(radius);
        s.out.append(set.tipSymbol == 2 ? solidCircleRecord(p1, r, " 1 0 0 3.1416 100") : circleRecord(p1, r));
        s.leaderStart = polar(p1, radius, theta);
    } else if (set.tipSymbol >= 4) {
        double bent = theta;
        if (f == 13 || f == 14) {
            const double d = std::hypot(double(s.leaderEnd.x) - p1.x, double(s.leaderEnd.y) - p1.y);
            const double k = 1.7 * std::sqrt(divide(d, s.scale)) + 7.3;
            const bool first = curveSide(s);
            bent += (f == 13) == first ? k : -k;
        }
        const double a = arrowHalfAngleDegrees(set.arrowAngle);
        const double length = set.arrowLength * double(s.scale) / 10;
        const Point w1 = polar(p1, length, bent + a);
        const Point w2 = polar(p1, length, bent - a);
        switch (set.tipSymbol) {
        case 4:
            s.out.append(lineRecord(p1, s.leaderRunsLeft ? w2 : w1));
            break;
        default:
            s.out.append(lineRecord(p1, w1));
            s.out.append(lineRecord(p1, w2));
            if (set.tipSymbol >= 6)
                s.out.append(lineRecord(w1, w2));
            if (set.tipSymbol == 7)
                s.out.append(solidPolygonRecord(p1, w1, w2));
            break;
        }
    }
}

} // namespace tagler
