#include "writer/BracketFrame.h"

#include "writer/ColourSelection.h"
#include "writer/FrameLineSupport.h"

namespace tagler {

void writeBracketFrame(WriterState& s, float armEnd)
{
    appendColour(s, s.settings.frameColor);
    const Point a = s.box.anchor();
    const Point b = s.box.farCorner();
    if (s.rotated()) {
        // Only a vertical font keeps the rotated layout under 枠傾斜, and its bracket stays upright.
        const Point barEnd{b.x, a.y};
        s.out.append(lineRecord(a, barEnd));
        s.out.append(lineRecord(barEnd, Point{b.x, armEnd}));
        s.out.append(lineRecord(Point{a.x, armEnd}, a));
        return;
    }
    const Point lowerArm{armEnd, a.y};
    const Point upperArm{armEnd, b.y};
    const Point barTop{a.x, b.y};
    appendFrameLine(s, a, lowerArm);
    appendFrameLine(s, upperArm, barTop);
    appendFrameLine(s, barTop, a);
}

} // namespace tagler
