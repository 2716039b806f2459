#include "base/StreamedFile.h"

#include "base/Error.h"

namespace tagler {

StreamedFile::StreamedFile(const std::string& path) : path_(path), file_(QString::fromStdString(path))
{
    // Unbuffered, so a full disk or a size limit shows at the write that meets it; a buffered
    // write could be committed short.
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail(ErrorKind::InputOutput, "cannot write " + path + ": " + file_.errorString().toStdString());
}

void StreamedFile::failWith(const std::string& why)
{
    file_.cancelWriting();
    fail(ErrorKind::InputOutput, "cannot write " + path_ + ": " + why);
}

void StreamedFile::write(std::string_view bytes)
{
    const auto size = static_cast<qint64>(bytes.size());
    if (file_.write(bytes.data(), size) != size || file_.error() != QFileDevice::NoError)
        failWith(file_.errorString().toStdString());
}

void StreamedFile::commit()
{
    if (!file_.commit())
        fail(ErrorKind::InputOutput, "cannot write " + path_ + ": " + file_.errorString().toStdString());
}

} // namespace tagler
