#include "writer/CloudFrame.h"

#include "writer/WriterState.h"

namespace tagler {

void writeCloudFrame(WriterState&)
{
    // Not drawn yet: the annotation is written without this shape.
}

} // namespace tagler
