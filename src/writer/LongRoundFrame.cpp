#include "writer/LongRoundFrame.h"

#include "writer/WriterState.h"

namespace tagler {

void writeLongRoundFrame(WriterState&)
{
    // Not drawn yet: the annotation is written without this shape.
}

} // namespace tagler
