#include "writer/CloudFrame.h"

#include "writer/BalloonOutline.h"
#include "writer/CloudScallops.h"
#include "writer/ColourSelection.h"
#include "writer/Records.h"
#include "writer/WriterState.h"

namespace tagler {

namespace {

std::string scallopRecord(const WriterState& s, const Scallop& scallop)
{
    const bool alongX = scallop.edge == ScallopEdge::upper || scallop.edge == ScallopEdge::lower;
    const std::string tail = std::string(alongX ? " 0 180 " : " 180 0 ") + scallopFlatness(scallop) + " ";
    const float tilt = finite(frameTurnDegrees(s) + scallopEdgeTilt(scallop.edge));
    return tiltedArcRecord(turnedForTilt(s, scallop.centre), scallop.radius, tail, tilt);
}

} // namespace

void writeCloudFrame(WriterState& s)
{
    const BalloonOutline box = cloudOutline(s);
    appendColour(s, s.settings.frameColor);
    for (const Scallop& scallop : cloudScallops(s, box))
        s.out.append(scallopRecord(s, scallop));
    writeBalloonTail(s, box);
}

} // namespace tagler
