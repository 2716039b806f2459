#include "writer/TextModePlacement.h"

#include "writer/FrameBox.h"
#include "writer/TextLayout.h"
#include "writer/WriterState.h"

#include <cmath>

namespace tagler {

Point placeTextModeBox(WriterState& s)
{

    Point o = computeTextOrigin(s);
    const double w = double(s.m.textWidth) * s.scale;
    const double d = attachOffset(s);
    const bool centred = s.settings.textCenterBase;
    double u = 0, v = 0;
    double mx = 0, my = 0; // how the box moves
    if (!s.rotated()) {
        if (s.layout.extendsRight) {
            u = double(o.x) - s.box.anchor().x + (centred ? w / 2 : 0);
            v = double(o.y) - s.box.anchor().y;
            o = makePoint(s.box.anchor().x, s.box.anchor().y - d);
            mx = -u;
            my = -v;
        } else {
            u = std::fabs(double(s.box.anchor().x) - (w + o.x));
            v = std::fabs(double(o.y) - s.box.anchor().y);
            double x = o.x;
            if (centred) {
                u += w / 2;
                x += u + w / 2;
            } else {
                x += u;
            }
            o = makePoint(x, s.box.anchor().y - d);
            mx = u;
            my = -v;
        }
    } else if (s.layout.extendsUp) {
        u = double(o.x) - s.box.anchor().x;
        v = double(o.y) - s.box.anchor().y + (centred ? w / 2 : 0);
        o = makePoint(s.box.anchor().x + d, s.box.anchor().y);
        mx = -u;
        my = -v;
    } else {
        u = double(o.x) - s.box.anchor().x;
        v = (double(s.m.frameWidth) - w) / 2;
        double y = o.y;
        if (centred) {
            v += w / 2;
            y += v + w / 2;
        } else {
            y += v;
        }
        o = makePoint(s.box.anchor().x + d, y);
        mx = -u;
        my = v;
    }
    if (s.family() == FrameFamily::longRound) {
        const double h = s.m.halfCharWidth * s.scale;
        if (!s.rotated())
            mx += s.layout.extendsRight ? h : -h;
        else
            my += s.layout.extendsUp ? h : -h;
    }
    s.box.translate(mx, my);
    return o;
}

} // namespace tagler
