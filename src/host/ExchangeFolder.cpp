#include "host/ExchangeFolder.h"

#include "base/CodePage.h"
#include "base/Error.h"
#include "base/TextGate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

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

namespace {

std::optional<QString> fromUtf8(const std::string& line)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(line.data(), static_cast<qsizetype>(line.size())));
    if (utf8.hasError())
        return std::nullopt;
    return text;
}

// A records file saved in the host's own code page is the likely mistake, and the message says so
// rather than blame a character.
bool looksLikeCp932(const Lines& lines)
{
    return std::all_of(lines.begin(), lines.end(),
                       [](const std::string& line) { return toCp932Strict(fromCp932(line)) == line; });
}

} // namespace

Lines readUtf8Records(const std::string& path)
{
    Lines lines = readLines(path);
    if (!lines.empty() && lines[0].rfind("\xEF\xBB\xBF", 0) == 0)
        lines[0].erase(0, 3);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::optional<QString> text = fromUtf8(lines[i]);
        if (!text)
            fail(ErrorKind::Conversion, path + ": not UTF-8 (line " + std::to_string(i + 1) + ")" +
                                            (looksLikeCp932(lines) ? "; the file looks like CP932" : ""));
        GatedText gated = passTextGate(*text);
        if (gated.refused)
            fail(ErrorKind::Conversion, path + " line " + std::to_string(i + 1) + ": " + refusalNote(*gated.refused));
        lines[i] = std::move(gated.bytes);
    }
    return lines;
}

std::string handOverCopyBeside(const std::string& file)
{
    return QFileInfo(QString::fromStdString(file)).dir().filePath(QLatin1String(handOverCopyName)).toStdString();
}

} // namespace tagler::host
