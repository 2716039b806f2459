#include "writer/BalloonFrame.h"

#include "writer/BalloonOutline.h"
#include "writer/ColourSelection.h"
#include "writer/Records.h"
#include "writer/WriterState.h"

namespace tagler {

void writeBalloonFrame(WriterState& s)
{
    const BalloonOutline box = balloonOutline(s);
    const Point a = box.anchor;
    const Point b = box.farCorner;
    // Round the box from the mouth's far end, along the mouth edge first, back to the anchor.
    const Point alongMouthEdge = box.at(box.alongOf(b), box.acrossOf(a));
    const Point acrossFromAnchor = box.at(box.alongOf(a), box.acrossOf(b));
    const Point corners[] = {box.mouthEnd(), alongMouthEdge, b, acrossFromAnchor, a};

    appendColour(s, s.settings.frameColor);
    for (int i = 0; i < 4; ++i)
        s.out.append(lineRecord(turnedForTilt(s, corners[i]), turnedForTilt(s, corners[i + 1])));
    writeBalloonTail(s, box);
}

} // namespace tagler
