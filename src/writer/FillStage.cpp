#include "writer/FillStage.h"

#include "base/PortableMath.h"
#include "settings/ColourItems.h"

#include "writer/BalloonOutline.h"
#include "writer/CloudScallops.h"
#include "writer/Records.h"
#include "writer/WriterState.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace tagler {

namespace {

double towards(double from, double to) { return to > from ? 1 : (to < from ? -1 : 0); }

// The quadrilateral (x1,y1) (x2,y1) (x2,y2) (x1,y2), turned with the frame when tilted.
void appendQuad(WriterState& s, double x1, double y1, double x2, double y2)
{
    s.out.append(solidPolygonRecord(turnedForTilt(s, makePoint(x1, y1)), turnedForTilt(s, makePoint(x2, y1)),
                                    turnedForTilt(s, makePoint(x2, y2)), turnedForTilt(s, makePoint(x1, y2))));
}

// The box from corner a to corner b with every side moved inwards by gap, starting at a's corner.
void fillBox(WriterState& s, Point a, Point b, double gap)
{
    const double sx = towards(a.x, b.x);
    const double sy = towards(a.y, b.y);
    appendQuad(s, a.x + sx * gap, a.y + sy * gap, b.x - sx * gap, b.y - sy * gap);
}

std::string radians(double degrees) { return formatNumber(degrees / kDegreesPerRadian); }

// The straight part between the round ends, inset across only, then a half-disc on each end.
// The half-disc records open their half towards the record's own turn (second field) for the
// first form and away from it for the second; the turn is the text axis, so the halves face
// outwards at both ends in every layout.
void fillLongRound(WriterState& s, double gap)
{
    const bool rotated = s.rotated();
    const Point a = s.box.anchor();
    const double radius = std::fabs(double(s.frame.roundRadius));
    const double centre = s.frame.roundCentre;
    const double anchorAcross = rotated ? a.x : a.y;
    const double farAcross = rotated ? s.box.farCorner().x : s.box.farCorner().y;
    const double inwards = towards(anchorAcross, farAcross) != 0 ? towards(anchorAcross, farAcross) : 1;
    const double reach = std::max(0.0, radius - gap);
    const double nearEdge = centre - inwards * reach;
    const double farEdge = centre + inwards * reach;
    const double anchorAlong = rotated ? a.y : a.x;
    const double straightEnd = s.frame.straightEnd;

    if (!rotated)
        appendQuad(s, anchorAlong, nearEdge, straightEnd, farEdge);
    else
        appendQuad(s, nearEdge, anchorAlong, farEdge, straightEnd);

    auto at = [rotated](double along, double across) {
        return rotated ? makePoint(across, along) : makePoint(along, across);
    };
    // The text axis from the anchor's end to the far end, as written.
    const bool forwards = rotated ? s.layout.extendsUp : s.layout.extendsRight;
    double axis = (rotated ? 90.0 : 0.0) + (forwards ? 0.0 : 180.0) + frameTurnDegrees(s);
    axis = std::fmod(axis, 360.0);
    if (axis < 0)
        axis += 360;
    // Reduce to a turn in (-90, 90]; beyond it the far end faces the opposite way.
    bool farFacesTurn = true;
    double turn = axis;
    if (turn > 270) {
        turn -= 360;
    } else if (turn > 90) {
        turn -= 180;
        farFacesTurn = false;
    }
    const std::string turnText = radians(turn);
    const Point anchorEnd = turnedForTilt(s, at(anchorAlong, centre));
    const Point farEnd = turnedForTilt(s, at(straightEnd, centre));
    const float r = finite(reach);
    s.out.append(solidCircleRecord(farFacesTurn ? farEnd : anchorEnd, r, " 1 " + turnText + " -1.5708 3.1416 5"));
    s.out.append(solidCircleRecord(farFacesTurn ? anchorEnd : farEnd, r, " 1 " + turnText + " 1.5708 3.1416 5"));
}

// Each scallop as a half-ellipse of its own size, its base on the inset box edge: it stays
// inside the drawn scallop and leaves the gap at its crown.
void fillScallops(WriterState& s, const BalloonOutline& box, double gap)
{
    for (const Scallop& scallop : cloudScallops(s, box)) {
        double dx = 0, dy = 0;
        switch (scallop.edge) {
        case ScallopEdge::upper: dy = -gap; break;
        case ScallopEdge::lower: dy = gap; break;
        case ScallopEdge::left: dx = gap; break;
        case ScallopEdge::right: dx = -gap; break;
        }
        const Point centre = turnedForTilt(s, makePoint(scallop.centre.x + dx, scallop.centre.y + dy));
        const bool alongX = scallop.edge == ScallopEdge::upper || scallop.edge == ScallopEdge::lower;
        const std::string flatness = scallopFlatness(scallop);
        std::string turn;
        if (!s.tilted()) {
            switch (scallop.edge) {
            case ScallopEdge::upper: turn = "0"; break;
            case ScallopEdge::lower: turn = "3.1416"; break;
            case ScallopEdge::left: turn = "-1.5708"; break;
            case ScallopEdge::right: turn = "1.5708"; break;
            }
        } else {
            turn = radians(frameTurnDegrees(s) + scallopEdgeTilt(scallop.edge));
        }
        // The same half of the ellipse as the arc it fills: 0..180 along x, 180..360 along y.
        const std::string tail = " " + flatness + " " + turn + (alongX ? " 0" : " 3.1416") + " 3.1416 5";
        s.out.append(solidCircleRecord(centre, scallop.radius, tail));
    }
}

// The tail: a triangle from near the tip to the mouth, and a strip joining it to the inset box.
void fillTail(WriterState& s, const BalloonOutline& box, double gap)
{
    if (!box.tail)
        return;
    const double along = box.alongSign;
    const double anchorAlong = box.alongOf(box.anchor);
    const double mouthAlong = anchorAlong + along * box.mouth;
    const double edge = box.acrossOf(box.anchor);
    // Never pull the corners past the middle of the mouth.
    const double pull = std::min(1.3 * gap, box.mouth / 2.0);
    const double inside = std::min(gap, box.mouth / 2.0);

    const Point nearCorner = turnedForTilt(s, box.at(anchorAlong + along * pull, edge));
    const Point farCorner = turnedForTilt(s, box.at(mouthAlong - along * pull, edge));
    const Point nearInside = turnedForTilt(s, box.at(anchorAlong + along * inside, edge + box.acrossSign * gap));
    const Point farInside = turnedForTilt(s, box.at(mouthAlong - along * inside, edge + box.acrossSign * gap));
    const Point middle = turnedForTilt(s, box.at((anchorAlong + mouthAlong) / 2, edge));

    const Point tip = s.layout.p1;
    const double dx = double(middle.x) - tip.x;
    const double dy = double(middle.y) - tip.y;
    const double length = pmath::hypot(dx, dy);
    Point apex = tip;
    if (length > 0) {
        const double step = std::min(5 * gap, length);
        apex = makePoint(tip.x + dx / length * step, tip.y + dy / length * step);
    }
    s.out.append(solidPolygonRecord(apex, nearCorner, farCorner));
    s.out.append(solidPolygonRecord(nearCorner, farCorner, farInside, nearInside));
}

} // namespace

void runFillStage(WriterState& s)
{
    if (!s.settings.fillInside)
        return;
    const double gap = s.settings.fillGap * 0.1 * s.scale;
    // The colour the box shows: a standard entry's own, or the custom one.
    s.out.append("lc10 " + std::to_string(colourItemValue(s.settings.fillColorIndex, s.settings.fillColor)));

    switch (s.family()) {
    case FrameFamily::longRound: fillLongRound(s, gap); return;
    case FrameFamily::balloon: {
        const BalloonOutline box = balloonOutline(s);
        fillBox(s, box.anchor, box.farCorner, gap);
        fillTail(s, box, gap);
        return;
    }
    case FrameFamily::cloud: {
        const BalloonOutline box = cloudOutline(s);
        fillBox(s, box.anchor, box.farCorner, gap);
        fillScallops(s, box, gap);
        fillTail(s, box, gap);
        return;
    }
    case FrameFamily::none:
    case FrameFamily::underline:
    case FrameFamily::box:
    case FrameFamily::bracket:
    case FrameFamily::curvedLeader:
        // Frames without an outline of their own (枠無 and the curved leaders) fill their text box too.
        fillBox(s, s.box.anchor(), s.box.farCorner(), gap);
        return;
    }
}

} // namespace tagler
