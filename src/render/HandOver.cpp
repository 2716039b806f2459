#include "render/HandOver.h"

#include <algorithm>

namespace tagler::render {

std::optional<HandOver> splitHandOver(const Lines& file)
{
    if (file.empty() || file[0] != "hq")
        return std::nullopt;
    auto end = std::find_if(file.begin(), file.end(), [](const std::string& line) { return line.rfind('#', 0) == 0; });
    if (end != file.end())
        ++end;
    return HandOver{Lines(file.begin(), end), Lines(end, file.end())};
}

} // namespace tagler::render
