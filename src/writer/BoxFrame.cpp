#include "writer/BoxFrame.h"

#include "writer/ColourSelection.h"
#include "writer/FrameLineSupport.h"

namespace tagler {

void writeBoxFrame(WriterState& s)
{
    appendColour(s, s.settings.frameColor);
    const Point a = s.box.anchor();
    const Point b = s.box.farCorner();
    const Point corners[4] = {a, Point{b.x, a.y}, b, Point{a.x, b.y}};
    Point turned[4];
    for (int i = 0; i < 4; ++i)
        turned[i] = framePoint(s, corners[i]);
    for (int i = 0; i < 4; ++i)
        s.out.append(lineRecord(turned[i], turned[(i + 1) % 4]));
}

} // namespace tagler
