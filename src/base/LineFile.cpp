#include "base/LineFile.h"

#include "base/Error.h"
#include "base/StreamedFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tagler {

bool fileExists(const std::string& path) { return QFileInfo(QString::fromStdString(path)).isFile(); }
bool folderExists(const std::string& path) { return QFileInfo(QString::fromStdString(path)).isDir(); }

Lines splitLines(std::string_view content)
{
    Lines lines;
    std::string current;
    bool pending = false; // a line has started but not ended
    for (std::size_t i = 0; i < content.size(); ++i) {
        char c = content[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(current));
            current.clear();
            pending = false;
            if (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n')
                ++i;
        } else {
            current.push_back(c);
            pending = true;
        }
    }
    if (pending)
        lines.push_back(std::move(current));
    return lines;
}

Lines readLines(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        fail(ErrorKind::InputOutput, "cannot read " + path + ": " + file.errorString().toStdString());
    QByteArray all = file.readAll();
    if (file.error() != QFileDevice::NoError)
        fail(ErrorKind::InputOutput, "cannot read " + path);
    return splitLines(std::string_view(all.constData(), static_cast<std::size_t>(all.size())));
}

void writeText(const std::string& path, const std::vector<std::string>& pieces)
{
    StreamedFile file(path);
    for (const std::string& bytes : pieces)
        file.write(bytes);
    file.commit();
}

void writeLines(const std::string& path, const Lines& lines)
{
    std::string all;
    for (const std::string& line : lines) {
        all.append(line);
        all.append("\r\n", 2);
    }
    writeText(path, {all});
}

} // namespace tagler
