#include "writer/TextStage.h"

#include "base/Clock.h"
#include "base/PortableMath.h"
#include "writer/DateLine.h"
#include "writer/HostCodeLine.h"
#include "writer/LineMeasure.h"
#include "writer/Records.h"
#include "writer/TextLayout.h"
#include "writer/TiltRotation.h"
#include "writer/WriterState.h"

#include <cmath>

namespace tagler {

namespace {

const char kQuote = '"';

struct TextWriter {
    WriterState& s;
    double directionLength;
    double tiltTheta = 0; // slope of the line through points 2 and 3, degrees
    double tiltPhi = 0;
    bool negativeDirection = false; // vertical font written against the layout

    explicit TextWriter(WriterState& state) : s(state)
    {
        directionLength = double(s.m.frameWidth) - s.m.charSpacing;
        const bool rotated = s.rotated();
        if (s.tilted()) {
            double dx = double(s.layout.p3.x) - s.layout.leaderEnd.x;
            double dy = double(s.layout.p3.y) - s.layout.leaderEnd.y;
            tiltTheta = pmath::atan(dy / (dx == 0 ? 1e-7 : dx)) * kDegreesPerRadian;
            if (s.layout.p3.x > s.layout.leaderEnd.x && s.layout.p3.y < s.layout.leaderEnd.y)
                tiltTheta += 360;
            tiltPhi = !rotated ? tiltTheta : (s.layout.extendsUp ? tiltTheta - 90 : tiltTheta - 270);
            negativeDirection = s.layout.verticalFont && ((!rotated && !s.layout.extendsRight) ||
                                                          (rotated && s.layout.extendsUp == s.layout.extendsRight));
        } else {
            negativeDirection = s.layout.verticalFont && (rotated || !s.layout.extendsRight);
        }
    }

    Point place(Point origin) const
    {
        if (!s.tilted())
            return origin;
        double dx = double(origin.x) - s.layout.leaderEnd.x;
        double dy = double(origin.y) - s.layout.leaderEnd.y;
        double r = std::sqrt(dx * dx + dy * dy);
        double alpha = directionDegrees(dx, dy);
        if (s.rotated() && !s.layout.extendsRight)
            alpha -= 180;
        double a = (tiltPhi + alpha) / kDegreesPerRadian;
        return makePoint(s.layout.leaderEnd.x + r * pmath::cos(a), s.layout.leaderEnd.y + r * pmath::sin(a));
    }

    void record(Point origin, const std::string& text) const
    {
        const Point p = place(origin);
        std::string head = "ch " + formatNumber(p.x) + " " + formatNumber(p.y) + " ";
        const double length = negativeDirection ? -directionLength : directionLength;
        if (s.tilted()) {
            double t = tiltTheta / kDegreesPerRadian;
            double c = pmath::cos(t), sn = pmath::sin(t);
            if (negativeDirection) {
                c = -c;
                sn = -sn;
            }
            head += formatNumber(c) + " " + formatNumber(sn) + " ";
        } else if (!s.rotated()) {
            head += formatNumber(length) + " 0 ";
        } else {
            head += " 0 " + formatNumber(length) + " ";
        }
        s.out.append(head + kQuote + text);
    }

    // Pieces of a host-code line advance along the writing direction.
    Point advance(Point origin, double distance) const
    {
        if (!s.rotated())
            return makePoint(origin.x + (negativeDirection ? -distance : distance), origin.y);
        const bool backwards = s.layout.verticalFont || (s.tilted() && (s.layout.extendsUp != s.layout.extendsRight));
        return makePoint(origin.x, origin.y + (backwards ? -distance : distance));
    }
};

} // namespace

void runTextStage(WriterState& s)
{
    const AnnotationSettings& set = s.settings;
    const std::string& font = set.fontSwitch != 0 ? set.chosenFontName : s.in.host.fontName;
    s.out.append(std::string("cn") + kQuote + "$<" + font + ">");
    s.out.append("cn" + s.in.textTypeNumber);
    s.out.append(set.textLayer != 0 ? layerRecord(set.textLayer) : s.in.host.layer);

    TextWriter w(s);
    Point origin = s.frame.textOrigin ? *s.frame.textOrigin : computeTextOrigin(s);
    const double pitch = linePitch(s);
    const double unit = (s.m.charSpacing / 2 + s.m.halfCharWidth) * s.scale;
    const bool centred = s.modeTraits().textOnly && set.textCenterBase;
    const bool topDown = s.layout.verticalFont && (s.rotated() || !s.layout.extendsRight);
    const LineMeasures measures = measureLines(s.in.lines, set.useEmbeddedText);
    const int count = static_cast<int>(s.in.lines.size());
    int written = 0;

    for (int pass = 0; pass < count; ++pass) {
        const int index = topDown ? pass : count - 1 - pass;
        const std::string& line = s.in.lines[static_cast<std::size_t>(index)];
        if (centred)
            s.out.append("cc1");
        if (isMemoLine(line))
            continue;
        if (slides(s) && written == s.m.effectiveSlide) {
            if (!s.rotated())
                origin.y = finite(origin.y + slideShift(s));
            else
                origin.x = finite(origin.x - slideShift(s));
        }
        ++written;

        if (set.useEmbeddedText && line.substr(0, 2) == "$2") {
            w.record(origin, expandDateLine(std::string_view(line).substr(2), s.clock.now()));
        } else if (set.useEmbeddedText && line.substr(0, 2) == "$1") {
            Point piece = origin;
            if (centred) {
                s.out.append("cc0");
                const double n = measures.lineBytes[static_cast<std::size_t>(index)];
                const double half = ((s.m.charSpacing / 2 + s.m.halfCharWidth) * n - s.m.charSpacing / 2) * s.scale / 2;
                piece = !s.rotated() ? makePoint(piece.x - half, piece.y) : makePoint(piece.x, piece.y - half);
            }
            for (const HostCodePiece& p : splitHostCodeLine(std::string_view(line).substr(2))) {
                w.record(piece, p.text);
                piece = w.advance(piece, p.estimatedWidth * unit);
            }
        } else {
            w.record(origin, line);
        }

        if (!s.rotated())
            origin.y = finite(origin.y + pitch);
        else if (s.tilted() && !s.layout.verticalFont && (s.layout.extendsUp != s.layout.extendsRight))
            origin.x = finite(origin.x + pitch);
        else
            origin.x = finite(origin.x - pitch);
    }

    if (set.fontSwitch != 0)
        s.out.append(std::string("cn") + kQuote + "$<" + s.in.host.fontName + ">)");
    s.out.append(s.in.host.group);
    s.out.append(s.in.host.layer);
}

} // namespace tagler
