#pragma once
#include "writer/Geometry.h"

#include <vector>

namespace tagler {

struct BalloonOutline;
struct WriterState;

// The side of the untilted box a scallop bulges out of.
enum class ScallopEdge { upper, lower, left, right };

struct Scallop {
    Point centre;     // on the box edge, untilted
    float radius = 0; // half its width along the edge
    ScallopEdge edge = ScallopEdge::upper;
    bool longSide = true; // on a side parallel to the text lines
};

// Scallops along each long side, and along each short side.
int cloudScallopsAlong(int maxLineBytes);
int cloudScallopsAcross(int lineCount);

// Every scallop of the cloud around box, in the order they are written.
// Equal scallops for frame type 11, alternating sizes for 12.
std::vector<Scallop> cloudScallops(const WriterState& s, const BalloonOutline& box);

// Degrees the edge's half-ellipse is turned by before the frame's own tilt.
double scallopEdgeTilt(ScallopEdge edge);
// The scallop's second axis over its radius, as the arc and its fill write it.
const char* scallopFlatness(const Scallop& scallop);

} // namespace tagler
