#pragma once
#include "writer/LeaderLayout.h"
#include "writer/WriterInput.h"

namespace tagler {

// First step of every run: fixed leader length, direction flags, extension
// normalisation, whether the leader runs back over the text, and the frame
// and tilt that apply.
void computeLeaderLayout(const WriterInput& in, LeaderLayout& layout);

// The layout of a run that draws no leader of its own (framing existing text).
LeaderLayout initialLayout(const WriterInput& in);

} // namespace tagler
