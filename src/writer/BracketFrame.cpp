#include "writer/BracketFrame.h"

#include "writer/WriterState.h"

namespace tagler {

void writeBracketFrame(WriterState&)
{
    // Not drawn yet: the annotation is written without this shape.
}

} // namespace tagler
