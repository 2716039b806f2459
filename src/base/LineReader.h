#pragma once
#include "base/LineFile.h"

#include <QFile>

#include <cstddef>
#include <string>

namespace tagler {

// A file a line at a time, with the line ends readLines accepts (CR, LF, CR LF; a final line
// end adds no line), so a file far larger than the lines wanted costs only those lines.
class LineReader final {
public:
    // Throws an input/output error when the file cannot be opened.
    explicit LineReader(const std::string& path, std::size_t chunkBytes = std::size_t(1) << 16);
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // The next line into `line`; false at the end. Throws an input/output error.
    bool next(std::string& line);

private:
    bool fill();

    std::string path_;
    QFile file_;
    std::string chunk_;
    std::size_t at_ = 0;
    std::size_t chunkBytes_;
    bool afterCr_ = false; // an LF that starts the next chunk ends no line
};

// The first `count` lines of the file, or all it has.
Lines readLeadingLines(const std::string& path, std::size_t count);

} // namespace tagler
