#include "writer/DateLine.h"

#include "base/CodePage.h"
#include "writer/EmbeddedText.h"

#include <array>
#include <optional>
#include <string>

namespace tagler {

namespace {

constexpr std::array<const char*, 12> monthNames = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                    "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
constexpr std::array<const char*, 7> latinWeekdays = {"SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"};

const std::string& kanjiWeekday(int weekday)
{
    static const std::array<std::string, 7> names = {sjis("日"), sjis("月"), sjis("火"), sjis("水"),
                                                     sjis("木"), sjis("金"), sjis("土")};
    return names.at(static_cast<std::size_t>(weekday - 1));
}

const std::string& kanjiHalfOfDay(int hour)
{
    static const std::string morning = sjis("前");
    static const std::string afternoon = sjis("後");
    return hour < 12 ? morning : afternoon;
}

struct Era {
    int year, month, day; // first day
};

// Newest first; a date before the first Meiji day is still counted in Meiji.
constexpr std::array<Era, 5> eras = {{{2019, 5, 1}, {1989, 1, 8}, {1926, 12, 25}, {1912, 7, 30}, {1868, 9, 8}}};

// "$" pads after the digit, "&" and "_" before it with a blank, "%" and "=" with a zero.
std::string padded(int value, char marker)
{
    std::string digits = std::to_string(value);
    if (value < 0 || value >= 10)
        return digits;
    if (marker == '$')
        return digits + ' ';
    return (marker == '&' || marker == '_' ? " " : "0") + digits;
}

std::string twoDigits(int value) { return padded(value, '%'); }

// Two-digit years count from 2000; a clock set before then gives the last two digits, never a negative count.
int shortYear(int year) { return year >= 2000 ? year - 2000 : year % 100; }

// What a code stands for, or nothing when it forms no code.
std::optional<std::string> expandCode(char marker, std::string_view letter, const LocalDateTime& now)
{
    if (letter == "ma")
        return monthNames.at(static_cast<std::size_t>(now.month - 1));
    if (letter == "wa")
        return latinWeekdays.at(static_cast<std::size_t>(now.weekday - 1));
    if (letter.size() != 1)
        return std::nullopt;
    switch (letter[0]) {
    case 'n': return now.hour < 12 ? "AM" : "PM";
    case 'N': return kanjiHalfOfDay(now.hour);
    case 'w': return kanjiWeekday(now.weekday);
    case 'y': return padded(shortYear(now.year), marker);
    case 'Y': return std::to_string(japaneseEraYear(now.year, now.month, now.day));
    case 'm': return padded(now.month, marker);
    case 'd': return padded(now.day, marker);
    case 'H': return padded(now.hour, marker);
    case 'h': return padded(now.hour > 12 ? now.hour - 12 : now.hour, marker);
    case 'M': return padded(now.minute, marker);
    case 'S': return padded(now.second, marker);
    case 'f':
    case 'F': {
        if (marker == '$')
            return std::nullopt;
        std::string text = std::to_string(now.year) + '/' + padded(now.month, marker) + '/' + padded(now.day, marker);
        if (letter[0] == 'F')
            text += ' ' + twoDigits(now.hour) + ':' + twoDigits(now.minute) + ':' + twoDigits(now.second);
        return text;
    }
    default: return std::nullopt;
    }
}

} // namespace

int japaneseEraYear(int year, int month, int day)
{
    for (const Era& era : eras) {
        if (std::array{year, month, day} >= std::array{era.year, era.month, era.day})
            return year - era.year + 1;
    }
    return year - eras.back().year + 1;
}

std::string expandDateLine(std::string_view rest, const LocalDateTime& now)
{
    std::string line;
    for (const EmbeddedToken& token : tokenizeEmbeddedText(rest)) {
        std::optional<std::string> expanded;
        if (token.isCode)
            expanded = expandCode(token.marker, token.letter, now);
        line += expanded ? *expanded : std::string(token.text);
    }
    return line;
}

} // namespace tagler
