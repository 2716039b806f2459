#include "host/ExchangeFolder.h"

#include "base/CodePage.h"
#include "base/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace tagler::host {

std::vector<std::string> prepareExchangeFolder(const std::string& folder, const Lines& header, const Lines& records,
                                               const std::string& dataSource)
{
    QDir dir(QString::fromStdString(folder));
    if (!dir.mkpath(QStringLiteral(".")))
        fail(ErrorKind::InputOutput, "cannot create folder " + folder);

    Lines exchange = header;
    exchange.insert(exchange.end(), records.begin(), records.end());
    writeLines(dir.filePath(QLatin1String(exchangeFileName)).toStdString(), exchange);
    writeLines(dir.filePath(QLatin1String(handOverCopyName)).toStdString(), exchange);

    std::vector<std::string> copied;
    QDir source(QString::fromStdString(dataSource));
    for (const char* name : defaultDataFiles) {
        QString from = source.filePath(QLatin1String(name));
        QString to = dir.filePath(QLatin1String(name));
        if (QFileInfo(to).exists() || !QFileInfo(from).isFile())
            continue;
        if (!QFile::copy(from, to))
            fail(ErrorKind::InputOutput, "cannot copy " + from.toStdString() + " to " + folder);
        // A copy of a read-only install must stay writable: the program saves into it.
        QFile::setPermissions(to, QFile::permissions(to) | QFile::WriteOwner);
        copied.emplace_back(name);
    }
    return copied;
}

Lines readUtf8Records(const std::string& path)
{
    Lines lines = readLines(path);
    if (!lines.empty() && lines[0].rfind("\xEF\xBB\xBF", 0) == 0)
        lines[0].erase(0, 3);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        QString text = QString::fromUtf8(lines[i].data(), static_cast<qsizetype>(lines[i].size()));
        std::optional<std::string> cp932 = toCp932Strict(text);
        if (!cp932)
            fail(ErrorKind::Conversion,
                 path + " line " + std::to_string(i + 1) + ": a character has no CP932 form: " + lines[i]);
        lines[i] = *cp932;
    }
    return lines;
}

std::string handOverCopyBeside(const std::string& file)
{
    return QFileInfo(QString::fromStdString(file)).dir().filePath(QLatin1String(handOverCopyName)).toStdString();
}

} // namespace tagler::host
