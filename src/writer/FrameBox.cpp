#include "writer/FrameBox.h"

#include "writer/ColourSelection.h"
#include "writer/Records.h"
#include "writer/WriterState.h"

namespace tagler {

void FrameBox::translate(double dx, double dy)
{
    anchor_ = makePoint(anchor_.x + dx, anchor_.y + dy);
    farCorner_ = makePoint(farCorner_.x + dx, farCorner_.y + dy);
}

void FrameBox::translateX(double dx)
{
    anchor_.x = finite(anchor_.x + dx);
    farCorner_.x = finite(farCorner_.x + dx);
}

void FrameBox::translateY(double dy)
{
    anchor_.y = finite(anchor_.y + dy);
    farCorner_.y = finite(farCorner_.y + dy);
}

void FrameBox::translateFarCorner(double dx, double dy)
{
    farCorner_ = makePoint(farCorner_.x + dx, farCorner_.y + dy);
}

Point computeFarCorner(const WriterState& s)
{
    const LeaderLayout& l = s.layout;
    const Point a = l.p2;
    const double w = s.m.frameWidth;
    const double h = s.m.frameHeight;
    if (!l.rotated()) {
        double x = l.extendsRight ? a.x + w : a.x - w;
        double y = l.sidePlacement && l.leaderRunsDown ? a.y - h : a.y + h;
        return makePoint(x, y);
    }
    double x = l.sidePlacement && !l.leaderRunsLeft ? a.x + h : a.x - h;
    double y = l.extendsUp ? a.y + w : a.y - w;
    return makePoint(x, y);
}

double attachOffset(const WriterState& s)
{
    const double scale = s.scale;
    const double halfLine = s.m.charHeight * 0.5 * scale;
    if (s.modeTraits().textOnly) {
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
    if (s.modeTraits().textOnly)
        return true;
    if (s.layout.sidePlacement)
        return false;
    return s.frameTraits().takesAttachShift;
}

namespace {

// A tilted curved leader in the rotated layout with exactly one of extendsUp, extendsRight
// stacks its lines towards +x, the mirror image of every other corner.
bool stacksTowardsPlusX(const WriterState& s)
{
    const LeaderLayout& l = s.layout;
    return s.family() == FrameFamily::curvedLeader && s.rotated() && s.tilted() && !l.verticalFont &&
           l.extendsUp != l.extendsRight;
}

} // namespace

void applyAttachShift(WriterState& s)
{
    if (!takesAttachShift(s))
        return;
    const double d = attachOffset(s);
    if (!s.rotated()) {
        s.box.translateY(-d);
    } else if (stacksTowardsPlusX(s)) {
        // Mirrored across point 2: the offset counted the other way keeps each position's caption.
        const Point a = s.box.anchor();
        const Point b = s.box.farCorner();
        const double x = double(a.x) - d;
        s.box.setAnchor(Point{finite(x), a.y});
        s.box.setFarCorner(Point{finite(x + (double(a.x) - b.x)), b.y});
    } else {
        s.box.translateX(d);
    }
}

void writeExtensionLine(WriterState& s)
{
    const LeaderLayout& l = s.layout;
    const Point a = s.box.anchor();
    appendColour(s, s.settings.extensionColor);
    if (s.tilted())
        s.out.append(lineRecord(a, l.p3));
    else if (!s.rotated())
        s.out.append(lineRecord(a, Point{l.p3.x, a.y}));
    else
        s.out.append(lineRecord(a, Point{a.x, l.p3.y}));

    if (!s.rotated()) {
        s.box.translateX(l.extensionVector.x);
    } else {
        const Point b = s.box.farCorner();
        s.box.setAnchor(Point{a.x, l.p3.y});
        s.box.setFarCorner(Point{b.x, finite(double(b.y) + l.extensionVector.y)});
    }
}

} // namespace tagler
