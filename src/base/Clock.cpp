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
    // Read as UTC so a time the local zone skips is still a time of day; the round trip
    // refuses every other form ISO 8601 allows (no seconds, fractions, offsets, 24:00).
    const QString given = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())) + u'Z';
    const QDateTime value = QDateTime::fromString(given, Qt::ISODate);
    if (!value.isValid() || value.toString(Qt::ISODate) != given)
        fail(ErrorKind::Conversion,
             "not a local date and time of the form YYYY-MM-DDTHH:MM:SS: \"" + std::string(text) + "\"");
    return fromQt(value.date(), value.time());
}

} // namespace tagler
