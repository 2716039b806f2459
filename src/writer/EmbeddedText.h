#pragma once
#include <string_view>
#include <vector>

namespace tagler {

// With embedded text in use, "$1" starts a host-code line and "$2" a date line.
enum class EmbeddedTextKind { none, hostCodeLine, dateLine };

EmbeddedTextKind embeddedTextKind(std::string_view line);
inline bool isEmbeddedTextLine(std::string_view line) { return embeddedTextKind(line) != EmbeddedTextKind::none; }
// The line without its two-character prefix; only for an embedded-text line.
inline std::string_view embeddedTextRest(std::string_view line) { return line.substr(2); }

bool isCodeMarker(char byte);

// One piece of the rest of an embedded-text line, viewing the caller's text.
struct EmbeddedToken {
    std::string_view text;   // as typed
    bool isCode = false;     // otherwise a run of characters that are not markers
    char marker = 0;         // codes only
    std::string_view letter; // codes only: "ma", "wa", the one character after the marker, or empty at the end
};

// Cut by character, not by byte: a double-byte character whose trail byte
// equals a marker (ダ is 83 5F, "_") belongs to the run it stands in.
std::vector<EmbeddedToken> tokenizeEmbeddedText(std::string_view rest);

} // namespace tagler
