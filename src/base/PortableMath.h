#pragma once

// Sine, cosine and arctangent with the same bits on every system. The C
// libraries differ in the last place (Windows' MinGW runtime computes near
// multiples of pi/2 with the x87's short pi), and a record that cancels to
// nearly zero shows that difference in its digits. These follow the classic
// freely distributable algorithms: reduction by pi/2 in three parts, then
// minimax polynomials; their error stays below one unit in the last place.
namespace tagler::pmath {

double sin(double x);
double cos(double x);
double atan(double x);
// sqrt(x*x + y*y) as written: sqrt is exact on every system.
double hypot(double x, double y);

} // namespace tagler::pmath
