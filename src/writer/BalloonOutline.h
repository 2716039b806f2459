#pragma once
#include "writer/Geometry.h"

namespace tagler {

struct WriterState;

// The untilted box of a balloon or cloud, described along the text (along) and across it.
// The mouth is a gap in the long edge through the anchor, next to the anchor.
struct BalloonOutline {
    bool rotated = false;  // text along y instead of x
    double alongSign = 1;  // from the anchor towards the far corner, along the text
    double acrossSign = 1; // from the mouth edge towards the far edge
    Point anchor;          // the corner on the mouth edge at the anchor's end
    Point farCorner;
    float mouth = 0;
    bool tail = false;

    // A point from its coordinate along the text and its coordinate across it.
    Point at(double along, double across) const;
    double alongOf(Point p) const { return rotated ? p.y : p.x; }
    double acrossOf(Point p) const { return rotated ? p.x : p.y; }
    Point mouthEnd() const;
    double width() const;  // extent along the text
    double height() const; // extent across it
};

// Whether the shape gets its two-line tail: only where a leader is drawn at all.
bool drawsTail(const WriterState& s);
float balloonMouth(const WriterState& s);
// The cloud's long sides stand off the text by this much, none with 枠と文字間なし.
float cloudMargin(const WriterState& s);

BalloonOutline balloonOutline(const WriterState& s);
// The frame box with both long sides moved outwards by the cloud margin.
BalloonOutline cloudOutline(const WriterState& s);

// A point of the untilted layout as it is written: turned about the leader end when tilted.
Point turnedForTilt(const WriterState& s, Point p);
// The tilt rotation angle φ, 0 when untilted.
double frameTurnDegrees(const WriterState& s);

// The leader colour and the two lines from the tip to the ends of the mouth.
void writeBalloonTail(WriterState& s, const BalloonOutline& box);

} // namespace tagler
