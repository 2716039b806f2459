#pragma once
#include "writer/Geometry.h"

namespace tagler {

struct WriterState;

// Whether the box hangs beside the leader end instead of along the extension.
bool computeSidePlacement(const WriterState& s);
// The box corner opposite the anchor (point 2).
Point computeFarCorner(const WriterState& s);
// The attach position's offset D along the stacking axis.
double attachOffset(const WriterState& s);
bool takesAttachShift(const WriterState& s);
// Moves anchor and far corner by D when this frame takes the shift.
void applyAttachShift(WriterState& s);
// Extension frames: the extension line in its colour, then the anchor moves to its end.
void writeExtensionLine(WriterState& s);

} // namespace tagler
