#include "writer/FrameBox.h"

#include "writer/ColourSelection.h"
#include "writer/Records.h"
#include "writer/WriterState.h"

namespace tagler {

bool computeSidePlacement(const WriterState& s)
{
    if (s.mode == SessionMode::textMode)
        return false;
    const int f = s.frameType();
    if (f >= 10 && f <= 12)
        return true;
    const bool boxLike = f == 0 || f == 2 || f == 4 || f == 13 || f == 14;
    if (!boxLike || s.tilted())
        return false;
    if (!s.rotated())
        return s.leaderRunsLeft == s.extendsRight;
    return s.leaderRunsDown == s.extendsUp;
}

Point computeFarCorner(const WriterState& s)
{
    const Point a = s.p2;
    const double w = s.m.frameWidth;
    const double h = s.m.frameHeight;
    if (!s.rotated()) {
        double x = s.extendsRight ? a.x + w : a.x - w;
        double y = s.sidePlacement && s.leaderRunsDown ? a.y - h : a.y + h;
        return makePoint(x, y);
    }
    double x = s.sidePlacement && !s.leaderRunsLeft ? a.x + h : a.x - h;
    double y = s.extendsUp ? a.y + w : a.y - w;
    return makePoint(x, y);
}

double attachOffset(const WriterState& s)
{
    const double scale = s.scale;
    const double halfLine = s.m.charHeight * 0.5 * scale;
    if (s.mode == SessionMode::textMode) {
        const double b = ((s.m.charHeight + s.m.lineSpacing) * s.m.writtenLines() - s.m.lineSpacing) * scale;
        const double table[] = {b, b - halfLine, b / 2, halfLine, 0};
        return table[s.settings.attachPosition];
    }
    const double inset = (s.settings.frameGapVertical / 10.0 + s.m.charHeight / 9 + 0.7) * scale;
    const double h = s.m.frameHeight;
    const double table[] = {h, h - (halfLine + inset), h / 2, halfLine + inset, 0};
    return table[s.settings.attachPosition];
}

bool takesAttachShift(const WriterState& s)
{
    if (s.mode == SessionMode::textMode)
        return true;
    if (s.sidePlacement)
        return false;
    switch (s.frameType()) {
    case 1: case 3: case 6: case 8: case 10: case 11: case 12: return false;
    default: return true;
    }
}

void applyAttachShift(WriterState& s)
{
    if (!takesAttachShift(s))
        return;
    const double d = attachOffset(s);
    if (!s.rotated()) {
        s.p2.y = finite(s.p2.y - d);
        s.farCorner.y = finite(s.farCorner.y - d);
    } else {
        s.p2.x = finite(s.p2.x + d);
        s.farCorner.x = finite(s.farCorner.x + d);
    }
}

void writeExtensionLine(WriterState& s)
{
    appendColour(s, s.settings.extensionColor);
    if (s.tilted())
        s.out.append(lineRecord(s.p2, s.p3));
    else if (!s.rotated())
        s.out.append(lineRecord(s.p2, Point{s.p3.x, s.p2.y}));
    else
        s.out.append(lineRecord(s.p2, Point{s.p2.x, s.p3.y}));

    if (!s.rotated()) {
        s.p2.x = finite(double(s.p2.x) + s.extensionVector.x);
        s.farCorner.x = finite(double(s.farCorner.x) + s.extensionVector.x);
    } else {
        s.p2.y = s.p3.y;
        s.farCorner.y = finite(double(s.farCorner.y) + s.extensionVector.y);
    }
}

} // namespace tagler
