#include "writer/DateLine.h"

#include "base/CodePage.h"

#include <gtest/gtest.h>

namespace tagler {
namespace {

struct DateCase {
    const char* now;  // local date and time
    const char* rest; // UTF-8; the line after its "$2"
    const char* written;
};

// 2024-05-06 is a Monday.
constexpr DateCase dateCases[] = {
    {"2024-05-06T14:07:09", "%y/%m/%d", "24/05/06"},
    {"2024-05-06T14:07:09", "&H:&M", "14: 7"},
    {"2024-05-06T14:07:09", "$h時", "2 時"},
    {"2024-05-06T14:07:09", "_N", "後"},
    {"2024-05-06T14:07:09", "=wa", "MON"},
    {"2024-05-06T14:07:09", "%ma", "MAY"},
    {"2024-05-06T14:07:09", "=F", "2024/05/06 14:07:09"},
    {"2024-05-06T14:07:09", "_F", "2024/ 5/ 6 14:07:09"},
    {"2024-05-06T14:07:09", "&f", "2024/ 5/ 6"},
    {"2024-05-06T14:07:09", "%f", "2024/05/06"},
    // Padding of a value below ten, by marker; ten and above is never padded.
    {"2024-05-06T14:07:09", "[$m][&m][_m][%m][=m]", "[5 ][ 5][ 5][05][05]"},
    {"2024-05-06T14:07:09", "[$H][&H][%H]", "[14][14][14]"},
    {"2024-10-10T10:10:10", "[$m][&d][_H][%M][=S]", "[10][10][10][10][10]"},
    {"2024-05-06T14:07:09", "$S&S%S", "9  909"},
    {"2024-11-03T09:00:00", "&d|_m|=y", " 3|11|24"},
    {"2024-05-06T14:07:09", "$n &n $w &ma _wa", "PM PM 月 MAY MON"},
    // The era year is never padded.
    {"2024-05-06T14:07:09", "[$Y][&Y][_Y][%Y][=Y]", "[6][6][6][6][6]"},
    {"2019-05-01T00:00:00", "%Y $Y", "1 1"},
    {"2019-04-30T23:59:59", "%Y", "31"},
    {"2018-08-15T12:00:00", "%Y", "30"},
    {"1989-01-08T00:00:00", "%Y", "1"},
    {"1989-01-07T00:00:00", "%Y", "64"},
    // Around midnight and noon.
    {"2024-01-07T00:05:03", "$h|%n|_N|$wa|=w", "0 |AM|前|SUN|日"},
    {"2024-01-07T00:05:03", "=F", "2024/01/07 00:05:03"},
    {"2024-01-07T11:59:59", "%h%n", "11AM"},
    {"2024-01-07T12:00:00", "%h%n_N", "12PM後"},
    {"2024-01-07T13:00:00", "%h|&h|$h", "01| 1|1 "},
    {"2024-01-07T23:00:00", "%h", "11"},
    {"1999-12-31T23:59:59", "%y", "99"},
    {"2009-01-01T00:00:00", "%y$y", "099 "},
    // A code is the marker and two letters only for "ma" and "wa".
    {"2024-12-31T14:07:09", "%maa=wax", "DECaTUEx"},
    {"2024-01-31T14:07:09", "%mb", "01b"},
    // No code: both characters stay as typed, and the second marker starts nothing.
    {"2024-05-06T14:07:09", "100%です", "100%です"},
    {"2024-05-06T14:07:09", "%x=q", "%x=q"},
    {"2024-05-06T14:07:09", "%%y", "%%y"},
    {"2024-05-06T14:07:09", "$f$F", "$f$F"},
    {"2024-05-06T14:07:09", "%ｍ", "%ｍ"},
    // A marker ending the line is written as it is.
    {"2024-05-06T14:07:09", "abc%", "abc%"},
    {"2024-05-06T14:07:09", "_", "_"},
    // ダ is 83 5F: its trail byte is "_" but starts no code.
    {"2024-05-06T14:07:09", "ダ_d", "ダ 6"},
    {"2024-05-06T14:07:09", "ダd", "ダd"},
    {"2024-05-06T14:07:09", "ダma_", "ダma_"},
    // Host markup passes through untouched.
    {"2024-05-06T14:07:09", "^u%d^d", "^u06^d"},
    {"2024-05-06T14:07:09", "", ""},
};

TEST(DateLine, ReplacesEveryCode)
{
    for (const DateCase& c : dateCases) {
        const std::string written = expandDateLine(sjis(c.rest), parseLocalDateTime(c.now));
        EXPECT_EQ(written, sjis(c.written)) << c.now << " \"" << c.rest << "\" gave \"" << toUtf8(written) << '"';
    }
}

TEST(DateLine, NamesEveryWeekday)
{
    struct {
        const char *date, *latin, *kanji;
    } const week[] = {
        {"2024-05-05", "SUN", "日"}, {"2024-05-06", "MON", "月"}, {"2024-05-07", "TUE", "火"},
        {"2024-05-08", "WED", "水"}, {"2024-05-09", "THU", "木"}, {"2024-05-10", "FRI", "金"},
        {"2024-05-11", "SAT", "土"},
    };
    for (const auto& day : week) {
        const LocalDateTime now = parseLocalDateTime(std::string(day.date) + "T08:00:00");
        EXPECT_EQ(expandDateLine("%wa", now), day.latin) << day.date;
        EXPECT_EQ(expandDateLine("_w", now), sjis(day.kanji)) << day.date;
    }
}

TEST(DateLine, EraYearFollowsTheEraInForce)
{
    struct {
        int year, month, day, eraYear;
    } const cases[] = {
        {2024, 5, 6, 6},   {2019, 5, 1, 1},    {2019, 4, 30, 31}, {2018, 1, 1, 30},  {1989, 1, 8, 1}, {1989, 1, 7, 64},
        {1926, 12, 25, 1}, {1926, 12, 24, 15}, {1912, 7, 30, 1},  {1912, 7, 29, 45}, {1868, 9, 8, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(japaneseEraYear(c.year, c.month, c.day), c.eraYear) << c.year << '-' << c.month << '-' << c.day;
}

} // namespace
} // namespace tagler
