#include "base/Number.h"

#include "base/Error.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tagler {

std::string formatNumber(float value)
{
    if (!std::isfinite(value))
        fail(ErrorKind::InvalidFloatOp, "non-finite number");
    if (value == 0.0f)
        return "0";
    // to_chars with a precision gives exactly the digits of printf's %.15g,
    // without its locale and format parsing; the longest float is 21 bytes.
    char buf[32];
    char* end = std::to_chars(buf, buf + sizeof buf, static_cast<double>(value), std::chars_format::general, 15).ptr;
    char* e = std::find(buf, end, 'e');
    if (e == end)
        return std::string(buf, end);
    // "1.5e-07" -> "1.5E-7", "1e+20" -> "1E20"
    const char* digits = e + 2;
    while (*digits == '0' && digits + 1 < end)
        ++digits;
    char* out = e;
    *out++ = 'E';
    if (e[1] == '-')
        *out++ = '-';
    while (digits < end) // moves left over itself
        *out++ = *digits++;
    return std::string(buf, out);
}

std::string formatNumber(double value)
{
    if (!std::isfinite(value))
        fail(ErrorKind::InvalidFloatOp, "non-finite number");
    return formatNumber(static_cast<float>(value));
}

static std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::string formatReadableLength(double mm)
{
    char text[64];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, mm, std::chars_format::fixed, 3);
    if (ec != std::errc())
        fail(ErrorKind::InvalidFloatOp, "length out of range");
    std::string shown(text, end);
    shown.erase(shown.find_last_not_of('0') + 1);
    if (shown.back() == '.')
        shown.pop_back();
    return shown == "-0" ? "0" : shown;
}

double parseDecimal(std::string_view text)
{
    std::string_view t = trimBlanks(text);
    if (!t.empty() && t.front() == '+')
        t.remove_prefix(1);
    double value = 0;
    auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || ec != std::errc() || ptr != t.data() + t.size() || !std::isfinite(value))
        fail(ErrorKind::Conversion, "'" + std::string(text) + "' is not a valid floating point value");
    return value;
}

float parseFloat(std::string_view text)
{
    double v = parseDecimal(text);
    if (std::fabs(v) > 3.4028234663852886e38)
        fail(ErrorKind::Conversion, "'" + std::string(text) + "' is out of range");
    return static_cast<float>(v);
}

bool tryParseInteger(std::string_view text, int& out)
{
    std::string_view t = trimBlanks(text);
    if (!t.empty() && t.front() == '+')
        t.remove_prefix(1);
    auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), out);
    return !t.empty() && ec == std::errc() && ptr == t.data() + t.size();
}

int parseInteger(std::string_view text)
{
    int v = 0;
    if (!tryParseInteger(text, v))
        fail(ErrorKind::Conversion, "'" + std::string(text) + "' is not a valid integer value");
    return v;
}

double divide(double numerator, double denominator)
{
    if (denominator == 0.0) {
        if (numerator == 0.0 || std::isnan(numerator))
            fail(ErrorKind::InvalidFloatOp, "invalid floating point operation");
        fail(ErrorKind::FloatDivideByZero, "floating point division by zero");
    }
    double r = numerator / denominator;
    if (!std::isfinite(r))
        fail(ErrorKind::InvalidFloatOp, "invalid floating point operation");
    return r;
}

float finite(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > 3.4028234663852886e38)
        fail(ErrorKind::InvalidFloatOp, "invalid floating point operation");
    return static_cast<float>(value);
}

} // namespace tagler
