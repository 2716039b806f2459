#include "base/DataFolder.h"

#include <QDir>
#include <QFileInfo>

namespace tagler {

std::string defaultDataFolder(const std::string& programFolder)
{
    const QDir program(QString::fromStdString(programFolder));
    for (const QString& candidate : {program.path(), program.filePath(QStringLiteral("../share/tagler"))})
        if (QFileInfo(QDir(candidate).filePath(QStringLiteral("PLDATA.tx"))).isFile())
            return QDir::cleanPath(QDir(candidate).absolutePath()).toStdString();
    return {};
}

} // namespace tagler
