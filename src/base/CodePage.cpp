#include "base/CodePage.h"

#include "base/Cp932Codec.h"

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

std::optional<std::string> toCp932Strict(const QString& text)
{
    // The replacement character marks text already lost; the code page would keep it as FC FC.
    if (text.contains(QChar::ReplacementCharacter))
        return std::nullopt;
    std::string bytes = cp932::encode(text);
    // The encoder substitutes silently; a round trip shows what was lost.
    if (fromCp932(bytes) != text)
        return std::nullopt;
    return bytes;
}

std::string sjis(std::string_view utf8)
{
    return cp932::encode(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

std::string toUtf8(std::string_view cp932) { return fromCp932(cp932).toStdString(); }

} // namespace tagler
