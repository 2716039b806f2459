#include "writer/BoxFrame.h"

#include "writer/WriterState.h"

namespace tagler {

void writeBoxFrame(WriterState&)
{
    // Not drawn yet: the annotation is written without this shape.
}

} // namespace tagler
