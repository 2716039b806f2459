#pragma once

namespace tagler {

struct WriterState;

// Frames around the handed-over texts (枠書込１/２), in place of leader and text.
void runExistingTextFrames(WriterState& s);

} // namespace tagler
