#pragma once

namespace tagler {

struct WriterState;

// 長丸 and 長丸延長: two straight edges and two half circles; runs its own extension and placement.
void writeLongRoundFrame(WriterState& s);

} // namespace tagler
