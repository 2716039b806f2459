#pragma once
#include "base/Error.h"

#include <optional>
#include <string>

// The program's fixed message texts (UTF-8; "\r\n" is a line break inside a box).
namespace tagler::messages {

inline constexpr const char* kTitle = "タグラー40β1";
inline constexpr const char* kExchangeMissing = "jwc_temp.txt が見つかりません";
inline constexpr const char* kExchangeInvalid = "jwc_temp.txt が不正です";
inline constexpr const char* kExchangeTransformed = "jwc_temp.txt が変形済みです";
inline constexpr const char* kExchangeDataError = "jwc_temp.txt のデーターが異常です";
inline constexpr const char* kExchangeChanged =
    "jwc_temp.txt は読み込んだ後に別のウィンドウかJwwで変更されています\r\n注釈は書き込みませんでした";
inline constexpr const char* kStateMissing = "PLDATA.tx が見つかりません\r\nDATA.lzhが解凍されているか確認してください";
inline constexpr const char* kStateInvalid = "PLDATA.tx が不正です";
inline constexpr const char* kPatternsInvalid = "PKDATA.tx が不正です\r\n再度登録してください";
inline constexpr const char* kMemosInvalid = "簡単選択メモデーター が不正です";
inline constexpr const char* kMemosCreated = "簡単選択メモデーター:SENTAKUMEMO.TX を新規作成します";
inline constexpr const char* kMemosMissing = "簡単選択メモデーター:SENTAKUMEMO.TX が見つかりません";
inline constexpr const char* kNoCodePage = "このシステムには CP932 (シフトJIS) の文字コード変換がありません\r\n"
                                           "データーファイルを読み書きできないため終了します";
inline constexpr const char* kOutOfMemory = "メモリーが足りません\r\nタグラーの処理は中断されます";
inline constexpr const char* kIoError =
    "[入出力エラー]書込みまたは読込みできません\r\nディスクを確認する必要があります";

std::string patternsMissing();     // composed from its pieces
std::string exchangeLineTooLong(); // names the bound

// Start-up and data-file actions: the kinds with a message of their own.
std::optional<std::string> dataErrorMessage(ErrorKind kind);
// Running the annotation: the kinds with a message of their own.
std::optional<std::string> writerErrorMessage(ErrorKind kind);

} // namespace tagler::messages
