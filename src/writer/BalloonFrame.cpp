#include "writer/BalloonFrame.h"

#include "writer/WriterState.h"

namespace tagler {

void writeBalloonFrame(WriterState&)
{
    // Not drawn yet: the annotation is written without this shape.
}

} // namespace tagler
