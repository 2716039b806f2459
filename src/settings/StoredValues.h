#pragma once
#include "base/LineFile.h"

#include <string>
#include <string_view>

// Reading and writing the values of the line-numbered settings files, where
// a value's meaning is its line number.
namespace tagler {

// The item index of a list: a conversion error when the line is no integer,
// a range error when no item has that index.
int storedIndex(std::string_view line, int first, int last, const char* what);

// A spin edit's value: out-of-range numbers are pulled to the nearest limit,
// as the spin edit itself does when it is given one.
int storedSpinValue(std::string_view line, int min, int max);

// A toggle or check box stored as "1" when on.
inline bool storedFlag(std::string_view line) { return line == "1"; }
inline std::string flagLine(bool on) { return on ? "1" : "0"; }

// A value that must fit its field, or the file would not load again.
std::string indexLine(int value, int first, int last, const char* what);

// Free text kept on one line. A line break would shift every later line and
// corrupt the file, so it is refused with a conversion error.
const std::string& singleLine(const std::string& text, const char* what);

// Pads with "0" lines up to count; returns whether anything was added.
bool padWithZeros(Lines& lines, std::size_t count);

} // namespace tagler
