#include "writer/EmbeddedText.h"

#include "base/CodePage.h"

namespace tagler {

namespace {

std::size_t characterLength(std::string_view text, std::size_t at)
{
    return isLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() ? 2 : 1;
}

} // namespace

EmbeddedTextKind embeddedTextKind(std::string_view line)
{
    if (line.starts_with("$1"))
        return EmbeddedTextKind::hostCodeLine;
    if (line.starts_with("$2"))
        return EmbeddedTextKind::dateLine;
    return EmbeddedTextKind::none;
}

bool isCodeMarker(char byte) { return byte == '$' || byte == '%' || byte == '&' || byte == '=' || byte == '_'; }

std::vector<EmbeddedToken> tokenizeEmbeddedText(std::string_view rest)
{
    std::vector<EmbeddedToken> tokens;
    std::size_t i = 0;
    while (i < rest.size()) {
        if (!isCodeMarker(rest[i])) {
            const std::size_t start = i;
            while (i < rest.size() && !isCodeMarker(rest[i]))
                i += characterLength(rest, i);
            tokens.push_back({rest.substr(start, i - start), false, 0, {}});
            continue;
        }
        const std::size_t start = i++;
        std::size_t letterLength = 0;
        if (rest.substr(i, 2) == "ma" || rest.substr(i, 2) == "wa")
            letterLength = 2;
        else if (i < rest.size())
            letterLength = characterLength(rest, i);
        tokens.push_back({rest.substr(start, 1 + letterLength), true, rest[start], rest.substr(i, letterLength)});
        i += letterLength;
    }
    return tokens;
}

} // namespace tagler
