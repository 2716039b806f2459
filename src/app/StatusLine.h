#pragma once
#include <QString>
#include <string_view>

namespace tagler {

// The status bar's folder line: "[ " pattern " ]　文字帳フォルダ = " folder, the
// folder being the stored text-book folder (CP932) without its leading "\" and
// cut to 60 bytes, or, when none is stored, the start folder's own name (the
// start folder is a native path in UTF-8).
QString folderStatusLine(std::string_view patternName, std::string_view textBookFolder, std::string_view startFolder);

} // namespace tagler
