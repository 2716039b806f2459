#include "writer/TextLayout.h"

#include "writer/WriterState.h"

#include <algorithm>

namespace tagler {

double linePitch(const WriterState& s) { return (s.m.charHeight + s.m.lineSpacing) * s.scale; }

double horizontalInset(const WriterState& s)
{
    const double perByte = s.m.charSpacing / 2 + s.m.halfCharWidth;
    const bool shifted = s.frame.underlineShifted && s.family() == FrameFamily::underline;
    double inset = 0;
    if (!s.settings.noFrameGap) {
        double bare = perByte * s.m.maxLineBytes - (shifted ? 0 : s.m.charSpacing / 2);
        inset = (s.m.frameWidth - bare * s.scale) / 2;
    }
    if (shifted && (s.rotated() ? s.layout.extendsUp : s.layout.extendsRight))
        inset += s.frame.underlineShift;
    return inset;
}

double verticalInset(const WriterState& s)
{
    if (s.settings.noFrameGap)
        return 0;
    return (s.settings.frameGapVertical / 10.0 + s.m.charHeight / 15 + 0.6) * s.scale;
}

bool slides(const WriterState& s) { return s.frameTraits().takesSlide && s.m.effectiveSlide >= 1; }

double slideShift(const WriterState& s)
{
    return linePitch(s) * s.m.effectiveSlide + 2 * verticalInset(s) - double(s.m.lineSpacing) * s.scale;
}

namespace {

struct Box {
    Point a; // anchor
    Point b; // far corner
    double vI, hI, pitch, w2, halfChar;
    bool longRound;
    bool curvedLeader;
    bool shaped;
};

Point ordinaryUntilted(const WriterState& s, const Box& k)
{
    double hI = k.hI;
    const bool shapedRound = k.longRound && !s.modeTraits().textOnly;
    if (!s.rotated()) {
        if (shapedRound)
            hI += s.layout.extendsRight ? -k.halfChar : k.halfChar;
        double x = (s.layout.extendsRight ? k.a.x : k.b.x) + hI;
        double y = k.a.y + k.vI;
        if ((shapedRound || s.layout.sidePlacement) && s.layout.leaderRunsDown)
            y = k.b.y + k.vI;
        return makePoint(x, y);
    }
    if (shapedRound)
        hI += s.layout.extendsUp ? -k.halfChar : k.halfChar;
    double y = (s.layout.extendsUp ? k.a.y : k.b.y) + hI;
    double x = k.a.x - k.vI;
    if ((shapedRound || s.layout.sidePlacement) && !s.layout.leaderRunsLeft)
        x = k.b.x - k.vI;
    return makePoint(x, y);
}

// Rotated layout, tilted, ordinary font: chosen by three flags.
Point ordinaryRotatedTilted(const WriterState& s, const Box& k)
{
    const double S = s.frame.straightEnd;
    const bool l = s.layout.leaderRunsLeft, u = s.layout.extendsUp, r = s.layout.extendsRight;
    const Point A = k.a, B = k.b;
    const double vI = k.vI, hI = k.hI;
    double x = 0, y = 0, yRound = 0;
    if (l && u && r) {
        x = A.x - vI;
        y = A.y + hI;
        yRound = A.y + hI;
    } else if (l && u && !r) {
        x = B.x + vI;
        y = B.y - hI;
        yRound = S - hI;
    } else if (l && !u && r) {
        x = B.x + vI;
        y = A.y - hI;
        yRound = A.y;
    } else if (l && !u && !r) {
        x = A.x - vI;
        y = B.y + hI;
        yRound = B.y + hI;
    } else if (!l && u && r) {
        x = B.x - vI;
        y = A.y + hI;
        yRound = A.y + hI;
    } else if (!l && u && !r) {
        x = A.x + vI;
        y = B.y - hI;
        yRound = S - hI;
    } else if (!l && !u && r) {
        x = A.x + vI;
        y = A.y - hI;
        yRound = A.y;
    } else {
        x = B.x - vI;
        y = B.y + hI;
        yRound = B.y + hI;
    }
    // The rows pick the box's right edge (extendsUp == extendsRight) or its left one, assuming the
    // box lies away from the tip; a curved leader's box is not placed so when tilted.
    if (k.curvedLeader)
        x = u == r ? std::max(A.x, B.x) - vI : std::min(A.x, B.x) + vI;
    return makePoint(x, k.longRound ? yRound : y);
}

Point verticalUntilted(const WriterState& s, const Box& k)
{
    const Point A = k.a, B = k.b;
    if (!k.longRound) {
        if (!s.rotated()) {
            const double baseY = s.layout.leaderRunsDown && k.shaped ? B.y : A.y;
            if (!s.layout.extendsRight)
                return makePoint(A.x - k.vI, baseY + k.w2 + k.vI);
            return makePoint(A.x + k.vI, baseY + k.vI);
        }
        const double baseX = !s.layout.leaderRunsLeft && k.shaped ? B.x : A.x;
        return makePoint(baseX - k.pitch - k.vI, s.layout.extendsUp ? B.y - k.hI : A.y - k.hI);
    }
    if (!s.rotated()) {
        const double baseY = s.layout.leaderRunsDown ? B.y : A.y;
        if (!s.layout.extendsRight)
            return makePoint(A.x + k.pitch - k.hI, baseY + k.w2 + k.vI);
        return makePoint(A.x + k.hI, baseY + k.vI);
    }
    const double baseX = s.layout.leaderRunsLeft ? A.x : B.x;
    const double y = !s.layout.extendsUp ? A.y + k.vI : B.y - k.halfChar - k.vI;
    return makePoint(baseX - k.w2 - k.vI, y);
}

Point verticalTilted(const WriterState& s, const Box& k)
{
    const Point A = k.a, B = k.b;
    const double vI = k.vI, w2 = k.w2;
    if (!s.rotated()) {
        if (s.layout.extendsRight)
            return verticalUntilted(s, k);
        double x = A.x - vI, y = A.y + w2 + vI;
        if (s.layout.leaderRunsDown && k.shaped)
            y = B.y + w2 + vI;
        if (s.layout.leaderRunsDown && k.longRound) {
            y = B.y + w2 + vI;
            x = A.x + k.pitch - k.hI;
        }
        return makePoint(x, y);
    }
    double x = A.x - w2 - vI;
    double y = 0;
    if (!s.layout.extendsUp) {
        y = A.y - vI;
        if (!s.layout.leaderRunsLeft && k.shaped)
            x = B.x - w2 - vI;
        if (k.longRound) {
            y = A.y + 0.7 * vI;
            if (!s.layout.leaderRunsLeft)
                x = B.x - w2 - vI;
        }
    } else {
        y = B.y - 1.7 * vI;
        if (!s.layout.leaderRunsLeft && k.shaped)
            x = B.x - w2 - vI;
        if (k.longRound) {
            y = s.frame.straightEnd - k.hI;
            if (!s.layout.leaderRunsLeft)
                x = B.x - w2 - vI;
        }
    }
    return makePoint(x, y);
}

} // namespace

Point computeTextOrigin(const WriterState& s)
{
    const FrameFamily family = s.family();
    Box k{s.box.anchor(),
          s.box.farCorner(),
          verticalInset(s),
          horizontalInset(s),
          linePitch(s),
          2 * s.m.halfCharWidth * s.scale,
          s.m.halfCharWidth * s.scale,
          family == FrameFamily::longRound,
          family == FrameFamily::curvedLeader,
          isShaped(family)};
    Point o;
    if (s.layout.verticalFont)
        o = s.tilted() ? verticalTilted(s, k) : verticalUntilted(s, k);
    else if (s.rotated() && s.tilted())
        o = ordinaryRotatedTilted(s, k);
    else
        o = ordinaryUntilted(s, k);

    if (slides(s)) {
        if (!s.rotated())
            o.y = finite(o.y - slideShift(s));
        else
            o.x = finite(o.x + slideShift(s));
    }
    return o;
}

} // namespace tagler
