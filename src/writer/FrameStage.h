#pragma once

namespace tagler {

struct WriterState;

// The frame stage: extension line, attach shift, frame records; in text mode it
// first moves the box onto the text point.
void runFrameStage(WriterState& s);

} // namespace tagler
