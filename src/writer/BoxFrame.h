#pragma once

namespace tagler {

struct WriterState;

// 四角 and 四角延長: four lines around the frame box.
void writeBoxFrame(WriterState& s);

} // namespace tagler
