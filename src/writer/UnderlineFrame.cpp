#include "writer/UnderlineFrame.h"

#include "writer/WriterState.h"

namespace tagler {

void writeUnderlineFrame(WriterState&)
{
    // Not drawn yet: the annotation is written without this shape.
}

} // namespace tagler
