#include "base/LineReader.h"

#include "base/Error.h"

namespace tagler {

LineTooLong::LineTooLong(const std::string& path, std::size_t lineNumber, std::size_t maxBytes)
    : std::runtime_error(path + " line " + std::to_string(lineNumber) + " is longer than " + std::to_string(maxBytes) +
                         " bytes"),
      lineNumber_(lineNumber)
{}

LineReader::LineReader(const std::string& path, std::size_t chunkBytes, std::size_t maxLineBytes)
    : path_(path), file_(QString::fromStdString(path)), chunkBytes_(chunkBytes), maxLineBytes_(maxLineBytes)
{
    if (!file_.open(QIODevice::ReadOnly))
        fail(ErrorKind::InputOutput, "cannot read " + path + ": " + file_.errorString().toStdString());
}

bool LineReader::fill()
{
    chunk_.resize(chunkBytes_);
    const qint64 got = file_.read(chunk_.data(), static_cast<qint64>(chunkBytes_));
    if (got < 0 || file_.error() != QFileDevice::NoError)
        fail(ErrorKind::InputOutput, "cannot read " + path_);
    chunk_.resize(static_cast<std::size_t>(got));
    at_ = 0;
    return got > 0;
}

bool LineReader::next(std::string& line)
{
    line.clear();
    bool started = false;
    ++lineNumber_;
    const auto take = [&](std::size_t count) {
        line.append(chunk_, at_, count);
        if (line.size() > maxLineBytes_)
            throw LineTooLong(path_, lineNumber_, maxLineBytes_);
    };
    for (;;) {
        if (at_ == chunk_.size() && !fill())
            return started;
        if (afterCr_) {
            afterCr_ = false;
            if (chunk_[at_] == '\n') {
                ++at_;
                continue;
            }
        }
        const std::size_t end = chunk_.find_first_of("\r\n", at_);
        if (end == std::string::npos) {
            take(chunk_.size() - at_);
            at_ = chunk_.size();
            started = true;
            continue;
        }
        take(end - at_);
        at_ = end + 1;
        afterCr_ = chunk_[end] == '\r';
        return true;
    }
}

Lines readLeadingLines(const std::string& path, std::size_t count)
{
    Lines lines;
    LineReader reader(path);
    std::string line;
    while (lines.size() < count && reader.next(line))
        lines.push_back(line);
    return lines;
}

} // namespace tagler
