#pragma once
#include <string>
#include <string_view>

namespace tagler {

// Every number of a record: the single-precision value, shortest %.15g of its
// double, no "-0", exponent written 1E-7. A non-finite value raises the
// invalid floating-point operation error instead of reaching a file.
std::string formatNumber(float value);
std::string formatNumber(double value); // rounds to single precision first

// A length as the drafter reads it: in mm, at most three decimals, no trailing zeros.
std::string formatReadableLength(double mm);

// Text to number: surrounding blanks allowed, anything else is a conversion error.
double parseDecimal(std::string_view text);
float parseFloat(std::string_view text);
int parseInteger(std::string_view text);
bool tryParseInteger(std::string_view text, int& out);

// Division that raises the matching error kind instead of producing inf/NaN.
double divide(double numerator, double denominator);
// A computed value must be finite before it is stored.
float finite(double value);

} // namespace tagler
