#pragma once

namespace tagler {

struct WriterState;

// 曲線引出１/２: the arcs that replace the straight leader.
void writeCurvedLeader(WriterState& s);
// Whether the curved leaders bend to the first side; the tip symbol turns with the bend.
bool curveSide(const WriterState& s);

} // namespace tagler
