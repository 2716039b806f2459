#pragma once

namespace tagler {

struct WriterState;

// The last stage: font, text type and layer records, the lines bottom first,
// then the records that hand the host back its own font, group and layer.
void runTextStage(WriterState& s);

} // namespace tagler
