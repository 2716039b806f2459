#include "writer/ExistingTextFrames.h"

#include "writer/WriterState.h"

namespace tagler {

void runExistingTextFrames(WriterState&)
{
    // Not drawn yet: framing existing text writes the prologue records only.
}

} // namespace tagler
