#pragma once
#include "writer/Geometry.h"

namespace tagler {

struct WriterState;

// Text mode: point 2 is the text point. The text origin is taken from the box
// first, then the box is moved so that the text sits on the point.
// Returns the text origin.
Point placeTextModeBox(WriterState& s);

} // namespace tagler
