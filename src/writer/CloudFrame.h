#pragma once

namespace tagler {

struct WriterState;

// 雲 等片 and 雲 異片: scallops around the widened box, then the tail.
void writeCloudFrame(WriterState& s);

} // namespace tagler
