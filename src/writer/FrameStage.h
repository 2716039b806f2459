#pragma once

namespace tagler {

struct WriterState;

// The frame stage: extension line, attach shift, frame records; in text mode it
// first moves the box onto the text point.
void runFrameStage(WriterState& s);
// The frame around the box as placed: its records and the results the leader and the text read.
void drawFrame(WriterState& s);

} // namespace tagler
