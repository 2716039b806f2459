#include "settings/StoredValues.h"

#include "base/Error.h"
#include "base/Number.h"

#include <algorithm>

namespace tagler {

int storedIndex(std::string_view line, int first, int last, const char* what)
{
    int value = parseInteger(line);
    if (value < first || value > last)
        fail(ErrorKind::Range, std::string(what) + " " + std::to_string(value) + " is outside " +
                                   std::to_string(first) + ".." + std::to_string(last));
    return value;
}

int storedSpinValue(std::string_view line, int min, int max) { return std::clamp(parseInteger(line), min, max); }

std::string indexLine(int value, int first, int last, const char* what)
{
    if (value < first || value > last)
        fail(ErrorKind::Range, std::string(what) + " " + std::to_string(value) + " cannot be stored");
    return std::to_string(value);
}

const std::string& singleLine(const std::string& text, const char* what)
{
    if (text.find_first_of("\r\n") != std::string::npos)
        fail(ErrorKind::Conversion, std::string(what) + " holds a line break");
    return text;
}

bool padWithZeros(Lines& lines, std::size_t count)
{
    if (lines.size() >= count)
        return false;
    lines.resize(count, "0");
    return true;
}

} // namespace tagler
