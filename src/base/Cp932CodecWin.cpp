#include "base/Cp932Codec.h"

#ifdef _WIN32

#include "base/CodePage.h"

#include <windows.h>

namespace tagler::cp932 {

namespace {

constexpr UINT kCodePage = 932;

// Decodes bytes the code page accepts whole; false when any is invalid.
bool decodeStrict(std::string_view bytes, QString& out)
{
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (length <= 0)
        return false;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(), length);
    out.append(QString::fromWCharArray(wide.data(), length));
    return true;
}

bool isTrailByte(unsigned char b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }

} // namespace

bool available() { return IsValidCodePage(kCodePage) != 0; }

QString decode(std::string_view bytes)
{
    QString text;
    if (bytes.empty() || decodeStrict(bytes, text))
        return text;
    // Only damaged text gets here: each character on its own, so one bad byte costs one
    // U+FFFD. A lead byte whose follower cannot be a trail byte spoils the lead alone.
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        std::size_t step = 1;
        if (isLeadByte(b) && i + 1 < bytes.size() && isTrailByte(static_cast<unsigned char>(bytes[i + 1])))
            step = 2;
        if (!decodeStrict(bytes.substr(i, step), text))
            text.append(QChar::ReplacementCharacter);
        i += step;
    }
    return text;
}

std::string encode(const QString& text)
{
    if (text.isEmpty())
        return {};
    const std::wstring wide = text.toStdWString();
    const int size = static_cast<int>(wide.size());
    // No best fit: a character without its own form must show as lost, never as a look-alike.
    const int length =
        WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, "?", nullptr);
    if (length <= 0)
        return std::string(static_cast<std::size_t>(text.size()), '?');
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), size, bytes.data(), length, "?", nullptr);
    return bytes;
}

} // namespace tagler::cp932

#endif
