#include "writer/CurvedLeader.h"

#include "writer/WriterState.h"

namespace tagler {

void writeCurvedLeader(WriterState&)
{
    // Not drawn yet: the annotation is written without this shape.
}

} // namespace tagler
