#include "base/StreamedFile.h"

#include "base/Error.h"

#include <QFile>
#include <QFileInfo>

namespace tagler {

StreamedFile::StreamedFile(const std::string& path, Fallback fallback)
    : path_(path), file_(QString::fromStdString(path))
{
    // Unbuffered, so a full disk or a size limit shows at the write that meets it; a buffered
    // write could be committed short.
    if (file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QFileInfo old(QString::fromStdString(path));
    if (fallback == Fallback::inPlace && old.isFile() && old.isWritable()) {
        inPlace_ = true;
        return;
    }
    fail(ErrorKind::InputOutput, "cannot write " + path + ": " + file_.errorString().toStdString());
}

void StreamedFile::failWith(const std::string& why)
{
    file_.cancelWriting();
    fail(ErrorKind::InputOutput, "cannot write " + path_ + ": " + why);
}

void StreamedFile::write(std::string_view bytes)
{
    if (inPlace_) {
        held_ += bytes;
        return;
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (file_.write(bytes.data(), size) != size || file_.error() != QFileDevice::NoError)
        failWith(file_.errorString().toStdString());
}

void StreamedFile::commit()
{
    if (inPlace_) {
        QFile old(QString::fromStdString(path_));
        const auto size = static_cast<qint64>(held_.size());
        if (!old.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered) ||
            old.write(held_.data(), size) != size || !old.flush())
            fail(ErrorKind::InputOutput, "cannot write " + path_ + ": " + old.errorString().toStdString());
        return;
    }
    if (!file_.commit())
        fail(ErrorKind::InputOutput, "cannot write " + path_ + ": " + file_.errorString().toStdString());
}

} // namespace tagler
