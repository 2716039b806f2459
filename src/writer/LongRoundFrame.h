#pragma once

namespace tagler {

struct FrameResults;
struct WriterState;

// 長丸 and 長丸延長: two straight edges and two half circles; runs its own extension and placement.
FrameResults writeLongRoundFrame(WriterState& s, FrameResults r);

} // namespace tagler
