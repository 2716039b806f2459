#pragma once

namespace tagler {

struct FrameResults;
struct WriterState;

// 下線 and 下線延長: the underline, with the leader rerouted or the text moved where the leader would cross it.
FrameResults writeUnderlineFrame(WriterState& s, FrameResults r);

} // namespace tagler
