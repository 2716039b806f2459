#include "base/Clock.h"

#include "base/Error.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <string>

namespace tagler {

namespace {

// QDate counts Monday = 1 … Sunday = 7; date lines count Sunday = 1 … Saturday = 7.
int weekdayOf(const QDate& date) { return date.dayOfWeek() % 7 + 1; }

LocalDateTime fromQt(const QDate& date, const QTime& time)
{
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second(), weekdayOf(date)};
}

} // namespace

LocalDateTime SystemClock::now() const
{
    const QDateTime local = QDateTime::currentDateTime();
    return fromQt(local.date(), local.time());
}

LocalDateTime parseLocalDateTime(std::string_view text)
{
    const auto malformed = [&]() -> LocalDateTime {
        fail(ErrorKind::Conversion,
             "not a local date and time of the form YYYY-MM-DDTHH:MM:SS: \"" + std::string(text) + "\"");
    };
    constexpr std::string_view shape = "dddd-dd-ddTdd:dd:dd";
    if (text.size() != shape.size())
        return malformed();
    for (std::size_t i = 0; i < shape.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (shape[i] == 'd' ? !digit : text[i] != shape[i])
            return malformed();
    }
    const auto field = [&](std::size_t at, std::size_t length) {
        int value = 0;
        for (std::size_t i = at; i < at + length; ++i)
            value = value * 10 + (text[i] - '0');
        return value;
    };
    // Qt refuses year 0, 31 April, 29 February of a common year, hour 24 and second 60.
    const QDate date(field(0, 4), field(5, 2), field(8, 2));
    const QTime time(field(11, 2), field(14, 2), field(17, 2));
    if (!date.isValid() || !time.isValid())
        return malformed();
    return fromQt(date, time);
}

} // namespace tagler
