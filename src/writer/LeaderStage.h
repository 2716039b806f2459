#pragma once

namespace tagler {

struct WriterState;

// The leader from its start to the leader end (through point 4 when bent),
// or to the connector point when it would otherwise cross an underlined text.
void runLeaderStage(WriterState& s);

} // namespace tagler
