#include "writer/TextModePlacement.h"

#include "writer/FrameBox.h"
#include "writer/TextLayout.h"
#include "writer/WriterState.h"

#include <cmath>

namespace tagler {

void placeTextModeBox(WriterState& s)
{
    const int f = s.frameType();
    s.extendsRight = s.p3.x > s.p2.x;
    s.extendsUp = s.p3.y > s.p2.y;
    if (s.rotated() && f == 3) {
        s.leaderRunsLeft = true;
        s.leaderRunsDown = false;
    }
    if (s.rotated() && (f == 11 || f == 12))
        s.leaderRunsLeft = true;
    s.farCorner = computeFarCorner(s);

    Point o = computeTextOrigin(s);
    const double w = double(s.m.textWidth) * s.scale;
    const double d = attachOffset(s);
    const bool centred = s.settings.textCenterBase;
    double u = 0, v = 0;
    double mx = 0, my = 0; // how the box moves
    if (!s.rotated()) {
        if (s.extendsRight) {
            u = double(o.x) - s.p2.x + (centred ? w / 2 : 0);
            v = double(o.y) - s.p2.y;
            o = makePoint(s.p2.x, s.p2.y - d);
            mx = -u;
            my = -v;
        } else {
            u = std::fabs(double(s.p2.x) - (w + o.x));
            v = std::fabs(double(o.y) - s.p2.y);
            double x = o.x;
            if (centred) {
                u += w / 2;
                x += u + w / 2;
            } else {
                x += u;
            }
            o = makePoint(x, s.p2.y - d);
            mx = u;
            my = -v;
        }
    } else if (s.extendsUp) {
        u = double(o.x) - s.p2.x;
        v = double(o.y) - s.p2.y + (centred ? w / 2 : 0);
        o = makePoint(s.p2.x + d, s.p2.y);
        mx = -u;
        my = -v;
    } else {
        u = double(o.x) - s.p2.x;
        v = (double(s.m.frameWidth) - w) / 2;
        double y = o.y;
        if (centred) {
            v += w / 2;
            y += v + w / 2;
        } else {
            y += v;
        }
        o = makePoint(s.p2.x + d, y);
        mx = -u;
        my = v;
    }
    if (f == 3) {
        const double h = s.m.halfCharWidth * s.scale;
        if (!s.rotated())
            mx += s.extendsRight ? h : -h;
        else
            my += s.extendsUp ? h : -h;
    }
    s.p2 = makePoint(s.p2.x + mx, s.p2.y + my);
    s.farCorner = makePoint(s.farCorner.x + mx, s.farCorner.y + my);
    s.textOrigin = o;
    s.textOriginPlaced = true;
}

} // namespace tagler
