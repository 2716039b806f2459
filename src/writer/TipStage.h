#pragma once

namespace tagler {

struct WriterState;

// The symbol at point 1 and the leader's start point: on a dot's rim, else point 1.
void runTipStage(WriterState& s);
// Direction from point 1 towards point 2, degrees.
double leaderDirection(const WriterState& s);

} // namespace tagler
