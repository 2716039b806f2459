#include "app/Messages.h"

#include "base/LineFile.h"

namespace tagler::messages {

std::string patternsMissing()
{
    return std::string("基本設定データ　") + "PKDATA.tx" + "\r\n" + "が見つかりません" + "\r\n" +
           "再度登録してください";
}

std::string exchangeLineTooLong()
{
    return "jwc_temp.txt に長すぎる行があります\r\n（1 行 " + std::to_string(kLineBytesBound) + " バイトまで）";
}

std::optional<std::string> dataErrorMessage(ErrorKind kind)
{
    const std::string check = "不正なデータがあります\r\nデータ数、データ位置を確認\r\nする必要があります";
    switch (kind) {
    case ErrorKind::Range: return "[範囲エラー]" + check;
    case ErrorKind::Access: return "[アクセスエラー]" + check;
    case ErrorKind::Conversion: return "[変換エラー]" + check;
    case ErrorKind::InputOutput: return std::string(kIoError);
    default: return std::nullopt;
    }
}

std::optional<std::string> writerErrorMessage(ErrorKind kind)
{
    const std::string tail = "不正なデータがあります\r\nタグラーの処理は中断されます";
    switch (kind) {
    case ErrorKind::Range: return "[範囲エラー]" + tail;
    case ErrorKind::VariantConversion: return "[Variant処理エラー]" + tail;
    case ErrorKind::Conversion: return "[変換エラー]" + tail;
    case ErrorKind::IntDivideByZero: return "[ 整数除算エラー]" + tail;
    case ErrorKind::FloatDivideByZero: return "[ 実数除算エラー]" + tail;
    case ErrorKind::InvalidFloatOp: return "[ 実数演算エラー]" + tail;
    default: return std::nullopt;
    }
}

} // namespace tagler::messages
