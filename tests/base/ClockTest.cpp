#include "base/Clock.h"

#include "base/Error.h"

#include <QDate>
#include <gtest/gtest.h>

namespace tagler {
namespace {

TEST(Clock, ParsesTheNowFormAndWorksOutTheWeekday)
{
    struct {
        const char* text;
        LocalDateTime value;
    } const cases[] = {
        {"2024-05-06T14:07:09", {2024, 5, 6, 14, 7, 9, 2}},
        {"2024-02-29T00:00:00", {2024, 2, 29, 0, 0, 0, 5}},
        {"2000-01-01T23:59:59", {2000, 1, 1, 23, 59, 59, 7}},
        {"2024-05-05T12:30:00", {2024, 5, 5, 12, 30, 0, 1}},
    };
    for (const auto& c : cases) {
        const LocalDateTime v = parseLocalDateTime(c.text);
        const LocalDateTime& e = c.value;
        EXPECT_TRUE(v.year == e.year && v.month == e.month && v.day == e.day && v.hour == e.hour &&
                    v.minute == e.minute && v.second == e.second && v.weekday == e.weekday)
            << c.text << " gave " << v.year << '-' << v.month << '-' << v.day << ' ' << v.hour << ':' << v.minute << ':'
            << v.second << " weekday " << v.weekday;
    }
}

TEST(Clock, RefusesAMalformedOrImpossibleNow)
{
    const char* const malformed[] = {
        "",
        "2024-05-06",
        "2024-05-06 14:07:09",
        "2024-5-06T14:07:09",
        "2024-05-06T14:07:09Z",
        " 2024-05-06T14:07:09",
        "+024-05-06T14:07:09",
        "2024-05-06T14:07:0x",
        "2024-13-01T00:00:00",
        "2024-04-31T00:00:00",
        "2023-02-29T00:00:00",
        "0000-01-01T00:00:00",
        "2024-05-06T24:00:00",
        "2024-05-06T14:60:00",
        "2024-05-06T14:07:60",
        // Forms ISO 8601 allows that the option does not.
        "2024-05-06T14:07",
        "2024-05-06T14:07:09.5",
        "2024-05-06T14:07:09+09:00",
        "20240506T140709",
    };
    for (const char* text : malformed) {
        try {
            parseLocalDateTime(text);
            ADD_FAILURE() << '"' << text << "\" was accepted";
        } catch (const Error& e) {
            EXPECT_EQ(e.kind(), ErrorKind::Conversion) << text;
        }
    }
}

TEST(Clock, SystemClockGivesTodaysLocalDate)
{
    const QDate before = QDate::currentDate();
    const LocalDateTime now = SystemClock().now();
    const QDate after = QDate::currentDate();
    const QDate date(now.year, now.month, now.day);
    EXPECT_TRUE(date == before || date == after) << now.year << '-' << now.month << '-' << now.day;
}

} // namespace
} // namespace tagler
