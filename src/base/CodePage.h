#pragma once
#include <QString>
#include <optional>
#include <string>
#include <string_view>

// Text inside the core is CP932 bytes in std::string: every length, cut and
// position of the annotation is counted in those bytes.
namespace tagler {

bool isLeadByte(unsigned char byte);

// Byte length as the code page counts it (a double-byte character counts 2).
inline int byteLength(std::string_view text) { return static_cast<int>(text.size()); }

// Index of the character boundaries: true at i when byte i starts a character.
bool startsCharacter(std::string_view text, std::size_t index);

// At most maxBytes bytes, never ending inside a double-byte character.
std::string cutToBytes(std::string_view text, std::size_t maxBytes);

// Conversions at the window's edge and for the program's Japanese constants.
// What a drafter types goes through the text gate (TextGate.h) instead.
QString fromCp932(std::string_view bytes);
// Nothing if any character has no CP932 form. No other form is taken for it: a
// name the file system or another program must find again stays as it is.
std::optional<std::string> toCp932Strict(const QString& text);

// Whether a line read from a file can be text: no control byte but tab (a control byte is never
// the second byte of a character). Bytes the code page has no character for pass, kept as they
// are, as the program that wrote them kept them.
bool isTextLine(const std::string& line);

// A UTF-8 literal as CP932 bytes; for the program's own constants.
std::string sjis(std::string_view utf8);
std::string toUtf8(std::string_view cp932);

} // namespace tagler
