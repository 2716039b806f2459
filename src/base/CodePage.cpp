#include "base/CodePage.h"

#include "base/Cp932Codec.h"

#include <algorithm>

namespace tagler {

bool isLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

bool startsCharacter(std::string_view text, std::size_t index)
{
    std::size_t i = 0;
    while (i < index && i < text.size())
        i += (isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ? 2 : 1;
    return i == index;
}

std::string cutToBytes(std::string_view text, std::size_t maxBytes)
{
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t step = (isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ? 2 : 1;
        if (i + step > maxBytes)
            break;
        i += step;
    }
    return std::string(text.substr(0, i));
}

QString fromCp932(std::string_view bytes) { return cp932::decode(bytes); }

bool isTextLine(const std::string& line)
{
    return std::none_of(line.begin(), line.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && byte != '\t') || byte == 0x7F;
    });
}

std::string toCp932(const QString& text) { return cp932::encode(text); }

std::optional<std::string> toCp932Strict(const QString& text)
{
    // The replacement character marks text already lost; the code page would keep it as FC FC.
    if (text.contains(QChar::ReplacementCharacter))
        return std::nullopt;
    std::string bytes = toCp932(text);
    // The encoder substitutes silently; a round trip shows what was lost.
    if (fromCp932(bytes) != text)
        return std::nullopt;
    return bytes;
}

bool representableInCp932(const QString& text) { return toCp932Strict(text).has_value(); }

bool isRefusedControl(QChar c)
{
    const char16_t u = c.unicode();
    return (u < 0x20 && u != '\t' && u != '\n' && u != '\r') || u == 0x7F || (u >= 0x80 && u < 0xA0);
}

std::optional<std::string> toCp932Text(const QString& text)
{
    if (std::any_of(text.begin(), text.end(), isRefusedControl))
        return std::nullopt;
    return toCp932Strict(text);
}

std::string sjis(std::string_view utf8)
{
    return toCp932(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

std::string toUtf8(std::string_view cp932) { return fromCp932(cp932).toStdString(); }

} // namespace tagler
