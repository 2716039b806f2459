#pragma once
#include <string>
#include <string_view>
#include <vector>

// What would keep the host from listing a batch file, asking for the right
// points or handing Tagler the file it reads.
namespace tagler::host {

// One line per fault, "line N: what" or a fault of the whole file; none when it passes.
std::vector<std::string> checkBatch(std::string_view bytes);

} // namespace tagler::host
