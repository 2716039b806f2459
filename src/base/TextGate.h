#pragma once
#include <QString>
#include <optional>
#include <string>

// The one way text a drafter types or hands in becomes CP932 bytes. Input
// methods and files from other systems give some characters in the forms of
// JIS X 0208's own mapping (U+301C for 〜, U+2212 for −); CP932 holds the same
// characters under other code points, and those forms are written as its
// bytes. Every other character CP932 holds is kept, and the rest is refused
// with a reason, never written as a stand-in byte.
namespace tagler {

enum class RefusalReason {
    noCp932Form,      // the code page has no such character
    controlCharacter, // would end or split a line or a record
    lostCharacter,    // U+FFFD: a character already lost before it came here
};

struct Refusal {
    char32_t character;
    qsizetype position; // in UTF-16 units of the text handed in
    RefusalReason reason;
};

struct GatedText {
    std::string bytes;              // the whole text, when nothing was refused
    std::optional<Refusal> refused; // the first character refused
};

GatedText passTextGate(const QString& text);

// The bytes, or nothing when a character was refused.
std::optional<std::string> toCp932Text(const QString& text);

// Control characters other than tab and line breaks have no place in a text or a record.
bool isRefusedControl(QChar c);

// The status line's words: the character, and why it cannot be used.
QString refusalMessage(const Refusal& refusal);
// The same for the command-line programs, whose messages are English.
std::string refusalNote(const Refusal& refusal);

} // namespace tagler
