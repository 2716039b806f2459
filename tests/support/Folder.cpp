#include "support/Folder.h"

#include <QDir>
#include <QFile>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace tagler::test {

std::string fixture(const std::string& name) { return std::string(TAGLER_TEST_DATA) + "/" + name; }

std::string fileBytes(const std::string& path)
{
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray all = f.readAll();
    return std::string(all.constData(), static_cast<std::size_t>(all.size()));
}

Folder::Folder(Contents contents)
{
    if (contents != withDataFiles)
        return;
    const QDir data(QStringLiteral(TAGLER_SOURCE_DATA));
    for (const QString& name : data.entryList(QDir::Files))
        QFile::copy(data.filePath(name), dir_.filePath(name));
}

void Folder::remove(const std::string& name) const { QFile::remove(QString::fromStdString(file(name))); }

std::vector<UnwritableTarget> unwritableTargets(const Folder& folder, const Lines& oldLines)
{
    std::vector<UnwritableTarget> targets;
    const QDir dir(QString::fromStdString(folder.path()));

    folder.write("plain", {"not a folder"});
    targets.push_back({"parent is a file", folder.file("plain/data.tx"), false});

    dir.mkdir("long");
    const std::string longPath = folder.file("long/" + std::string(250, 'P'));
    writeLines(longPath, oldLines);
    targets.push_back({"no room for the temporary copy", longPath, true});

#ifndef _WIN32
    // Windows has no owner permission bits on folders to take away.
    if (::geteuid() != 0) {
        dir.mkdir("readonly");
        const std::string roPath = folder.file("readonly/data.tx");
        writeLines(roPath, oldLines);
        QFile::setPermissions(dir.filePath("readonly"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        targets.push_back({"read-only folder", roPath, true});
    }
#endif
    return targets;
}

void makeWritableAgain(const Folder& folder)
{
    QFile::setPermissions(QString::fromStdString(folder.file("readonly")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

} // namespace tagler::test
