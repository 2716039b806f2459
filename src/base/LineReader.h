#pragma once
#include "base/LineFile.h"

#include <QFile>

#include <cstddef>
#include <stdexcept>
#include <string>

namespace tagler {

// A line longer than its bound (kLineBytesBound): the file is refused, never read whole.
class LineTooLong final : public std::runtime_error {
public:
    LineTooLong(const std::string& path, std::size_t lineNumber, std::size_t maxBytes);
    std::size_t lineNumber() const { return lineNumber_; }

private:
    std::size_t lineNumber_;
};

// A file a line at a time, with the line ends readLines accepts (CR, LF, CR LF; a final line
// end adds no line), so a file far larger than the lines wanted costs only those lines, and a
// line costs at most its bound.
class LineReader final {
public:
    // Throws an input/output error when the file cannot be opened.
    explicit LineReader(const std::string& path, std::size_t chunkBytes = std::size_t(1) << 16,
                        std::size_t maxLineBytes = kLineBytesBound);
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // The next line into `line`; false at the end. Throws an input/output error, or
    // LineTooLong past maxLineBytes.
    bool next(std::string& line);

private:
    bool fill();

    std::string path_;
    QFile file_;
    std::string chunk_;
    std::size_t at_ = 0;
    std::size_t chunkBytes_;
    std::size_t maxLineBytes_;
    std::size_t lineNumber_ = 0;
    bool afterCr_ = false; // an LF that starts the next chunk ends no line
};

// The first `count` lines of the file, or all it has; LineTooLong as LineReader.
Lines readLeadingLines(const std::string& path, std::size_t count);

} // namespace tagler
