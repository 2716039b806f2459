#pragma once
#include "base/BoundedLines.h"

#include <string>

// What a data file tells the user about itself (UTF-8; "\r\n" is a line break inside a box).
namespace tagler::datafile {

// name is the bare file name.
inline std::string cut(const std::string& name)
{
    return name + " が大きすぎるため一部だけを読み込みました\r\n（1 行 " + std::to_string(kDataFileBound.lineBytes) +
           " バイト、" + std::to_string(kDataFileBound.lineCount) + " 行、全体 " +
           std::to_string(kDataFileBound.fileBytes / (1024 * 1024)) +
           " MB まで）\r\n保存すると読み込まなかった部分は失われます";
}

// Yes writes over the other window's version; No keeps it.
inline std::string changedElsewhere(const std::string& name)
{
    return name + " は読み込んだ後に別のウィンドウで変更されています\r\n上書きしますか？\r\n（いいえ：別のウィンドウの"
                  "内容を残します）";
}

// A file refused whatever its lines: neither read nor written.
inline std::string linkOutside(const std::string& name)
{
    return name + " は起動したフォルダの外を指すリンクです\r\nこのファイルは読み込みも保存もしません";
}

inline std::string notText(const std::string& name)
{
    return name + " はテキストファイルではありません\r\nこのファイルは読み込みも保存もしません";
}

} // namespace tagler::datafile
