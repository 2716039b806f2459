#pragma once

namespace tagler {

struct WriterState;

// 枠内着色: the solid fill inside the frame, after the leader and before the text.
void runFillStage(WriterState& s);

} // namespace tagler
