#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tagler {

// One text record of a "$1" line; the next piece starts estimatedWidth byte
// advances further along the line.
struct HostCodePiece {
    std::string text;
    int estimatedWidth;
};

// The rest of a "$1" line (prefix removed) cut so that every code starts a
// piece of its own, sized by what the host is expected to put in its place.
// An empty rest gives no piece.
std::vector<HostCodePiece> splitHostCodeLine(std::string_view rest);

} // namespace tagler
