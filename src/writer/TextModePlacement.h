#pragma once

namespace tagler {

struct WriterState;

// Text mode: point 2 is the text point. The text origin is taken from the box
// first, then the box is moved so that the text sits on the point.
void placeTextModeBox(WriterState& s);

} // namespace tagler
