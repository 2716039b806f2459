#pragma once
#include <string_view>

namespace tagler {

struct LocalDateTime {
    int year, month, day, hour, minute, second;
    int weekday; // 1 = Sunday … 7 = Saturday
};

// Date lines read the time through this seam so a run can be repeated to the byte.
class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime now() const = 0;
};

class SystemClock final : public Clock {
public:
    LocalDateTime now() const override;
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(const LocalDateTime& value) : value_(value) {}
    LocalDateTime now() const override { return value_; }

private:
    LocalDateTime value_;
};

// "YYYY-MM-DDTHH:MM:SS", nothing more or less; the weekday comes from the date.
// Anything else, or a date or time that does not exist, is a conversion error.
LocalDateTime parseLocalDateTime(std::string_view text);

} // namespace tagler
