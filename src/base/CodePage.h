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
QString fromCp932(std::string_view bytes);
std::string toCp932(const QString& text);                      // unmappable characters become '?'
std::optional<std::string> toCp932Strict(const QString& text); // nullopt if any character has no CP932 form
bool representableInCp932(const QString& text);
// Control characters other than tab and line breaks have no place in a text or a record.
bool isRefusedControl(QChar c);
// Text a user may enter: every character has a CP932 form and none is a refused control.
std::optional<std::string> toCp932Text(const QString& text);

// Whether a line read from a file can be text: no control byte but tab (a control byte is never
// the second byte of a character). Bytes the code page has no character for pass, kept as they
// are, as the program that wrote them kept them.
bool isTextLine(const std::string& line);

// A UTF-8 literal as CP932 bytes; for the program's own constants.
std::string sjis(std::string_view utf8);
std::string toUtf8(std::string_view cp932);

} // namespace tagler
