#pragma once
#include <string>

// The text book's fixed message texts (UTF-8; "\r\n" is a line break inside a box).
namespace tagler::textbook {

inline constexpr const char* kFolderMissing = "前回の文字帳フォルダが見つかりません";
inline constexpr const char* kPageIoError =
    "[入出力エラー]書込みまたは読込みできません\r\nディスクを確認する必要があります";
inline constexpr const char* kTocIoError =
    "[目次入出力エラー]書込みまたは読込みできません\r\nディスクを確認する必要があります";
inline constexpr const char* kNoTableOfContents = "　目次データなし";
inline constexpr const char* kNoPageLabel = "    (ページなし)";
inline constexpr const char* kFolderDialogTitle = "文字帳切り替え";
inline constexpr const char* kFolderOutside =
    "このフォルダは文字帳フォルダにできません\r\n起動したフォルダとその下のフォルダから選んでください";

inline std::string pageInvalid(int page)
{
    return "PMDATA" + std::to_string(page) + ".tx が不正です\r\n再度登録してください";
}

// file is the bare name at start-up and the full path on a page switch.
inline std::string pageMissing(const std::string& file)
{
    return "登録文字帳　" + file + "\r\nが見つかりません\r\nデータファイルを作成しますか？";
}

} // namespace tagler::textbook
