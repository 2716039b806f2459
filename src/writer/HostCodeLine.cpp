#include "writer/HostCodeLine.h"

#include "writer/EmbeddedText.h"

namespace tagler {

namespace {

int estimatedWidth(const EmbeddedToken& token)
{
    if (!token.isCode)
        return static_cast<int>(token.text.size());
    if (token.letter == "ma" || token.letter == "wa")
        return 3;
    const bool dateCode = token.marker == '=' || token.marker == '_';
    if (dateCode && token.letter == "f")
        return 10; // 2024/05/06
    if (dateCode && token.letter == "F")
        return 19; // 2024/05/06 14:07:09
    // A marker alone at the end still takes two places. A double-byte character
    // after a marker is sized as written, three bytes, rather than two.
    return token.text.size() > 2 ? static_cast<int>(token.text.size()) : 2;
}

} // namespace

std::vector<HostCodePiece> splitHostCodeLine(std::string_view rest)
{
    std::vector<HostCodePiece> pieces;
    for (const EmbeddedToken& token : tokenizeEmbeddedText(rest))
        pieces.push_back({std::string(token.text), estimatedWidth(token)});
    return pieces;
}

} // namespace tagler
