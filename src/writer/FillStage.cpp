#include "writer/FillStage.h"

#include "writer/WriterState.h"

namespace tagler {

void runFillStage(WriterState&)
{
    // Not drawn yet: the annotation is written without this shape.
}

} // namespace tagler
