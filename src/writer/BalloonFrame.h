#pragma once

namespace tagler {

struct WriterState;

// 吹出四角: the box with a mouth and the two-line tail.
void writeBalloonFrame(WriterState& s);

} // namespace tagler
