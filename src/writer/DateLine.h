#pragma once
#include "base/Clock.h"

#include <string>
#include <string_view>

namespace tagler {

// The rest of a "$2" line (prefix removed) with its date and time codes
// replaced by `now`. A marker followed by a character that forms no code is
// written as typed, so "100%です" stays readable; a marker ending the line too.
std::string expandDateLine(std::string_view rest, const LocalDateTime& now);

// Year of the Japanese era in force on that date (令和 1 from 2019-05-01).
int japaneseEraYear(int year, int month, int day);

} // namespace tagler
