#pragma once
#include "writer/Geometry.h"

namespace tagler {

struct WriterState;

// Quantities every text line and text-mode placement use, in drawing units.
double linePitch(const WriterState& s);
double horizontalInset(const WriterState& s);
double verticalInset(const WriterState& s);
double slideShift(const WriterState& s);
bool slides(const WriterState& s); // underline frames with lines slid below the line
// Origin of the first written (bottom) line, untilted, from the frame box.
Point computeTextOrigin(const WriterState& s);

} // namespace tagler
