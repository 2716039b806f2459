#include "writer/BracketFrame.h"

#include "writer/ColourSelection.h"
#include "writer/FrameLineSupport.h"

namespace tagler {

void writeBracketFrame(WriterState& s)
{
    appendColour(s, s.settings.frameColor);
    const Point a = s.p2;
    const Point b = s.farCorner;
    if (s.rotated()) {
        // Only a vertical font keeps the rotated layout under 枠傾斜, and its bracket stays upright.
        const Point barEnd{b.x, a.y};
        s.out.append(lineRecord(a, barEnd));
        s.out.append(lineRecord(barEnd, Point{b.x, s.armEnd}));
        s.out.append(lineRecord(Point{a.x, s.armEnd}, a));
        return;
    }
    const Point lowerArm{s.armEnd, a.y};
    const Point upperArm{s.armEnd, b.y};
    const Point barTop{a.x, b.y};
    appendFrameLine(s, a, lowerArm);
    appendFrameLine(s, upperArm, barTop);
    appendFrameLine(s, barTop, a);
}

} // namespace tagler
