#pragma once
#include "writer/Geometry.h"

namespace tagler {

struct WriterState;

// The text block's box: the anchor starts at point 2, the far corner opposite.
// Frames move it only through these calls, so its path through a run can be read here.
class FrameBox {
public:
    FrameBox(Point anchor, Point farCorner) : anchor_(anchor), farCorner_(farCorner) {}

    Point anchor() const { return anchor_; }
    Point farCorner() const { return farCorner_; }

    void translate(double dx, double dy);
    void translateX(double dx);
    void translateY(double dy);
    void translateFarCorner(double dx, double dy);
    void setAnchor(Point p) { anchor_ = p; }
    void setFarCorner(Point p) { farCorner_ = p; }

private:
    Point anchor_;
    Point farCorner_;
};

// The box corner opposite the anchor (point 2).
Point computeFarCorner(const WriterState& s);
// The attach position's offset D along the stacking axis.
double attachOffset(const WriterState& s);
bool takesAttachShift(const WriterState& s);
// Moves the box by D when this frame takes the shift.
void applyAttachShift(WriterState& s);
// Extension frames: the extension line in its colour, then the anchor moves to its end.
void writeExtensionLine(WriterState& s);

} // namespace tagler
