#pragma once
#include "base/LineFile.h"

#include <cstddef>
#include <string>

namespace tagler {

// The most a data file is read for. Far above anything the program writes or
// shows (a page is 180 lines of at most 349 bytes), so only a damaged or
// foreign file is cut, and a huge one no longer stalls start-up or fills memory.
// A line is bounded as every reader bounds it.
struct ReadBound {
    std::size_t lineBytes; // kept of each line
    std::size_t lineCount; // lines kept
    std::size_t fileBytes; // read of the file
};
inline constexpr ReadBound kDataFileBound{kLineBytesBound, 10000, 4 * 1024 * 1024};

struct BoundedLines {
    Lines lines;
    bool cut = false; // something of the file was left out
};

// The first bound.lineCount lines within the first bound.fileBytes of the
// file, each cut to bound.lineBytes (never inside a double-byte character).
// Throws an input/output error when the file cannot be read.
BoundedLines readBoundedLines(const std::string& path, ReadBound bound);

} // namespace tagler
