#include "settings/FrameType.h"

#include "base/Error.h"

#include <string>

namespace tagler {

FrameType frameTypeAt(int index)
{
    if (index < 0 || index >= kFrameTypeCount)
        fail(ErrorKind::Range, "frame type " + std::to_string(index));
    return static_cast<FrameType>(index);
}

} // namespace tagler
