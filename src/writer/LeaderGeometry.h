#pragma once

namespace tagler {

struct WriterState;

// First stage of every run: fixed leader length, direction flags, extension
// normalisation, and whether the leader runs back over the text.
void runLeaderGeometry(WriterState& s);

} // namespace tagler
