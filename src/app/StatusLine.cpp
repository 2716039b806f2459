#include "app/StatusLine.h"

#include "base/CodePage.h"

namespace tagler {

namespace {

constexpr std::size_t kFolderNameMaxBytes = 60;

std::string_view lastComponent(std::string_view path)
{
    while (path.size() > 1 && (path.back() == '/' || path.back() == '\\'))
        path.remove_suffix(1);
    const auto cut = path.find_last_of("/\\");
    return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

} // namespace

QString folderStatusLine(std::string_view patternName, std::string_view textBookFolder, std::string_view startFolder)
{
    QString folder;
    if (textBookFolder.empty()) {
        const std::string_view name = lastComponent(startFolder);
        folder = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    } else {
        if (textBookFolder.front() == '\\')
            textBookFolder.remove_prefix(1);
        folder = fromCp932(cutToBytes(textBookFolder, kFolderNameMaxBytes));
    }
    return QStringLiteral("[ ") + fromCp932(patternName) + QStringLiteral(" ]　文字帳フォルダ = ") + folder;
}

} // namespace tagler
