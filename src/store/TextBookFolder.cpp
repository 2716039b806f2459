#include "store/TextBookFolder.h"

#include "base/CodePage.h"

#include <QDir>
#include <QFileInfo>

namespace tagler {

// The next separator: a backslash that is a character of its own, never the
// trail byte of 表, ソ, 能 or the many others whose second byte is 0x5C.
static std::size_t nextSeparator(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '\\')
            return i;
        i += (isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ? 2 : 1;
    }
    return std::string_view::npos;
}

bool liesInside(const std::string& startFolder, const std::string& folder)
{
    const QString root = QDir(QString::fromStdString(startFolder)).canonicalPath();
    const QString real = QFileInfo(QString::fromStdString(folder)).canonicalFilePath();
    return !root.isEmpty() && !real.isEmpty() && (real == root || real.startsWith(root + QLatin1Char('/')));
}

std::optional<std::string> resolveTextBookFolder(const std::string& startFolder, std::string_view stored)
{
    if (stored.empty())
        return startFolder;
    if (stored.front() != '\\')
        return std::nullopt;
    std::string path = startFolder;
    std::string_view rest = stored.substr(1);
    while (true) {
        const auto end = nextSeparator(rest);
        const std::string_view part = rest.substr(0, end);
        if (part.empty() || part == "." || part == ".." || part.find_first_of(":/") != std::string_view::npos)
            return std::nullopt;
        path += "/" + toUtf8(part);
        if (end == std::string_view::npos)
            break;
        rest.remove_prefix(end + 1);
    }
    // A link inside the start folder may lead anywhere; only its real place counts. A missing
    // folder is found missing by whoever looks for it.
    if (QFileInfo::exists(QString::fromStdString(path)) && !liesInside(startFolder, path))
        return std::nullopt;
    return path;
}

std::optional<std::string> storedTextBookFolder(const std::string& startFolder, const std::string& chosen)
{
    const QString root = QDir(QString::fromStdString(startFolder)).canonicalPath();
    const QString folder = QFileInfo(QString::fromStdString(chosen)).canonicalFilePath();
    if (root.isEmpty() || folder.isEmpty())
        return std::nullopt;
    if (folder == root)
        return std::string();
    if (!folder.startsWith(root + QLatin1Char('/')))
        return std::nullopt;
    QString relative = folder.mid(root.size());
    relative.replace(QLatin1Char('/'), QLatin1Char('\\'));
    const auto bytes = toCp932Strict(relative);
    if (!bytes || !resolveTextBookFolder(startFolder, *bytes))
        return std::nullopt;
    return bytes;
}

} // namespace tagler
