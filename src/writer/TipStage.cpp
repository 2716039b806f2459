#include "writer/TipStage.h"

#include "base/PortableMath.h"
#include "settings/AnnotationSettings.h"
#include "settings/TipSymbol.h"
#include "writer/ColourSelection.h"
#include "writer/CurvedLeader.h"
#include "writer/Records.h"
#include "writer/WriterState.h"

#include <cmath>

namespace tagler {

namespace {

double directionFromTip(const WriterState& s, Point target)
{
    double dx = double(target.x) - s.layout.p1.x;
    double dy = double(target.y) - s.layout.p1.y;
    if (dx == 0)
        dx = 1e-11;
    double theta = pmath::atan(dy / dx) * 57.29578;
    if (dx < 0)
        theta += 180;
    return theta;
}

// Where the straight leader's first segment runs: the symbol and the dot's rim
// start must line up with it, and it ends at the leader end only when nothing
// bends or reroutes the leader.
Point firstLeaderTarget(const WriterState& s)
{
    if (s.modeTraits().bendsLeader)
        return s.layout.p4;
    if (s.family() == FrameFamily::underline && s.frame.leaderOverText)
        return s.frame.connector;
    return s.layout.leaderEnd;
}

} // namespace

// Towards the leader end: the frame stage may already have moved point 2 by the attach offset.
double leaderDirection(const WriterState& s) { return directionFromTip(s, s.layout.leaderEnd); }

namespace {

Point polar(Point origin, double length, double degrees)
{
    const double r = degrees / kDegreesPerRadian;
    return makePoint(origin.x + length * pmath::cos(r), origin.y + length * pmath::sin(r));
}

void writeDot(WriterState& s, const TipTraits& tip, double theta)
{
    const Point p1 = s.layout.p1;
    const double radius = s.settings.dotRadius / 10.0 * s.scale;
    const float r = finite(radius);
    s.out.append(tip.filled ? solidCircleRecord(p1, r, " 1 0 0 3.1416 100") : circleRecord(p1, r));
    s.leaderStart = polar(p1, radius, theta);
}

void writeArrow(WriterState& s, const TipTraits& tip, const FrameTraits& frame, double theta)
{
    const AnnotationSettings& set = s.settings;
    const Point p1 = s.layout.p1;
    double bent = theta;
    if (frame.curve != 0) {
        // The head turns into the curve's first stretch, more for a longer leader.
        const double d = pmath::hypot(double(s.layout.leaderEnd.x) - p1.x, double(s.layout.leaderEnd.y) - p1.y);
        const double k = 1.7 * std::sqrt(divide(d, s.scale)) + 7.3;
        bent += (frame.curve == 1) == curveSide(s) ? k : -k;
    }
    const double a = arrowHalfAngleDegrees(set.arrowAngle);
    const double length = set.arrowLength * double(s.scale) / 10;
    const Point w1 = polar(p1, length, bent + a);
    const Point w2 = polar(p1, length, bent - a);
    if (tip.barbs == 1) {
        s.out.append(lineRecord(p1, s.layout.leaderRunsLeft ? w2 : w1));
        return;
    }
    s.out.append(lineRecord(p1, w1));
    s.out.append(lineRecord(p1, w2));
    if (tip.closed)
        s.out.append(lineRecord(w1, w2));
    if (tip.filled)
        s.out.append(solidPolygonRecord(p1, w1, w2));
}

} // namespace

void runTipStage(WriterState& s)
{
    s.leaderStart = s.layout.p1;
    const AnnotationSettings& set = s.settings;
    const FrameTraits& frame = s.frameTraits();
    const TipTraits& tip = traits(tipSymbolAt(set.tipSymbol));
    if (s.framingExistingText() || s.modeTraits().textOnly || !s.frame.leaderVisible || !tip.drawsLeader ||
        frame.drawsOwnLeader)
        return;

    const double theta = frame.curve != 0 ? leaderDirection(s) : directionFromTip(s, firstLeaderTarget(s));
    switch (tip.family) {
    case TipFamily::none: appendColour(s, set.arrowColor); break;
    case TipFamily::dot:
        appendColour(s, set.dotColor);
        writeDot(s, tip, theta);
        break;
    case TipFamily::arrow:
        appendColour(s, set.arrowColor);
        writeArrow(s, tip, frame, theta);
        break;
    }
}

} // namespace tagler
