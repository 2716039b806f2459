#pragma once

namespace tagler {

struct WriterState;

// 曲線引出１/２: the arcs that replace the straight leader.
void writeCurvedLeader(WriterState& s);

} // namespace tagler
