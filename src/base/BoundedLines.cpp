#include "base/BoundedLines.h"

#include "base/CodePage.h"
#include "base/Error.h"

#include <QFile>
#include <algorithm>

namespace tagler {

namespace {

// A file cut at its bound may end in the lead byte of a character whose trail was left out.
void dropHalfCharacter(QByteArray& head)
{
    const qsizetype lineStart = std::max(head.lastIndexOf('\r'), head.lastIndexOf('\n')) + 1;
    qsizetype i = lineStart;
    while (i < head.size())
        i += isLeadByte(static_cast<unsigned char>(head[i])) ? 2 : 1;
    if (i > head.size())
        head.chop(1);
}

} // namespace

BoundedLines readBoundedLines(const std::string& path, ReadBound bound)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        fail(ErrorKind::InputOutput, "cannot read " + path + ": " + file.errorString().toStdString());
    // One byte more than the bound tells a file that ends there from a longer one.
    QByteArray head = file.read(static_cast<qint64>(bound.fileBytes) + 1);
    if (file.error() != QFileDevice::NoError)
        fail(ErrorKind::InputOutput, "cannot read " + path);
    BoundedLines read;
    if (static_cast<std::size_t>(head.size()) > bound.fileBytes) {
        head.truncate(static_cast<qsizetype>(bound.fileBytes));
        dropHalfCharacter(head);
        read.cut = true;
    }
    // As splitLines, keeping no more of a line than its bound.
    const std::string_view bytes(head.constData(), static_cast<std::size_t>(head.size()));
    std::size_t start = 0;
    while (start < bytes.size()) {
        if (read.lines.size() == bound.lineCount) {
            read.cut = true;
            break;
        }
        const std::size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        const std::string_view line = bytes.substr(start, end - start);
        read.lines.push_back(line.size() > bound.lineBytes ? cutToBytes(line, bound.lineBytes) : std::string(line));
        read.cut = read.cut || line.size() > bound.lineBytes;
        start = end + 1;
        if (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n')
            ++start;
    }
    return read;
}

} // namespace tagler
