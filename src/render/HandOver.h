#pragma once
#include "base/LineFile.h"

#include <optional>

namespace tagler::render {

// A file as the host hands it over: "hq", the header through "#", then in
// the selection modes the selected records.
struct HandOver {
    Lines header;
    Lines selection;
};

// Nothing for a file whose first line is not "hq": the program has replaced
// it. Without a "#" the whole file is header.
std::optional<HandOver> splitHandOver(const Lines& file);

} // namespace tagler::render
