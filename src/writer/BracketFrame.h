#pragma once

namespace tagler {

struct WriterState;

// 括弧 and 括弧延長: the bracket on the anchor side (armEnd taken before the attach shift).
void writeBracketFrame(WriterState& s, float armEnd);

} // namespace tagler
