#include "base/PortableMath.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace tagler::pmath {

namespace {

// The high 32 bits of a double without its sign: exponent and top of the mantissa.
std::uint32_t highWord(double x)
{
    return static_cast<std::uint32_t>(std::bit_cast<std::uint64_t>(x) >> 32) & 0x7fffffffu;
}

int exponentBits(double x) { return static_cast<int>(highWord(x) >> 20); }

struct Reduced {
    int quadrant; // n mod 4
    double hi, lo;
};

// x - n·pi/2 in two doubles, for |x| below 2^19·pi/2; pi/2 is split in 33-bit parts
// so that n times each part is exact.
Reduced reduce(double x)
{
    constexpr double invpio2 = 6.36619772367581382433e-01;
    constexpr double pio2_1 = 1.57079632673412561417e+00;
    constexpr double pio2_1t = 6.07710050650619224932e-11;
    constexpr double pio2_2 = 6.07710050630396597660e-11;
    constexpr double pio2_2t = 2.02226624879595063154e-21;
    constexpr double pio2_3 = 2.02226624871116645580e-21;
    constexpr double pio2_3t = 8.47842766036889956997e-32;

    const double fn = std::nearbyint(x * invpio2);
    const int n = static_cast<int>(fn);
    double r = x - fn * pio2_1;
    double w = fn * pio2_1t;
    double hi = r - w;
    const int j = exponentBits(x);
    if (j - exponentBits(hi) > 16) { // cancellation: the next 33 bits of pi/2
        double t = r;
        w = fn * pio2_2;
        r = t - w;
        w = fn * pio2_2t - ((t - r) - w);
        hi = r - w;
        if (j - exponentBits(hi) > 49) {
            t = r;
            w = fn * pio2_3;
            r = t - w;
            w = fn * pio2_3t - ((t - r) - w);
            hi = r - w;
        }
    }
    const double lo = (r - hi) - w;
    return {n & 3, hi, lo};
}

// sin on [-pi/4, pi/4]; lo is the tail of the reduced argument.
double kernelSin(double x, double lo, bool hasTail)
{
    constexpr double S1 = -1.66666666666666324348e-01;
    constexpr double S2 = 8.33333333332248946124e-03;
    constexpr double S3 = -1.98412698298579493134e-04;
    constexpr double S4 = 2.75573137070700676789e-06;
    constexpr double S5 = -2.50507602534068634195e-08;
    constexpr double S6 = 1.58969099521155010221e-10;
    const double z = x * x;
    const double v = z * x;
    const double r = S2 + z * (S3 + z * (S4 + z * (S5 + z * S6)));
    if (!hasTail)
        return x + v * (S1 + z * r);
    return x - ((z * (0.5 * lo - v * r) - lo) - v * S1);
}

// cos on [-pi/4, pi/4].
double kernelCos(double x, double lo)
{
    constexpr double C1 = 4.16666666666666019037e-02;
    constexpr double C2 = -1.38888888888741095749e-03;
    constexpr double C3 = 2.48015872894767294178e-05;
    constexpr double C4 = -2.75573143513906633035e-07;
    constexpr double C5 = 2.08757232129817482790e-09;
    constexpr double C6 = -1.13596475577881948265e-11;
    const std::uint32_t ix = highWord(x);
    if (ix < 0x3e400000u) // |x| < 2^-27: cos is 1 to the last place
        return 1.0;
    const double z = x * x;
    const double r = z * (C1 + z * (C2 + z * (C3 + z * (C4 + z * (C5 + z * C6)))));
    if (ix < 0x3fd33333u) // |x| < 0.3
        return 1.0 - (0.5 * z - (z * r - x * lo));
    // 1 - qx is exact, and keeps the rounding of the rest small.
    const double qx = ix > 0x3fe90000u ? 0.28125 : std::bit_cast<double>(std::uint64_t(ix - 0x00200000u) << 32);
    const double hz = 0.5 * z - qx;
    return (1.0 - qx) - (hz - (z * r - x * lo));
}

constexpr std::uint32_t kQuarterPi = 0x3fe921fbu;
// Beyond 2^19·pi/2 the two-part reduction loses bits; no angle here comes near it.
constexpr double kReducible = 823549.6;

} // namespace

double sin(double x)
{
    if (highWord(x) <= kQuarterPi)
        return kernelSin(x, 0.0, false);
    if (!std::isfinite(x) || std::fabs(x) > kReducible)
        return std::sin(x);
    const Reduced y = reduce(x);
    switch (y.quadrant) {
    case 0: return kernelSin(y.hi, y.lo, true);
    case 1: return kernelCos(y.hi, y.lo);
    case 2: return -kernelSin(y.hi, y.lo, true);
    default: return -kernelCos(y.hi, y.lo);
    }
}

double cos(double x)
{
    if (highWord(x) <= kQuarterPi)
        return kernelCos(x, 0.0);
    if (!std::isfinite(x) || std::fabs(x) > kReducible)
        return std::cos(x);
    const Reduced y = reduce(x);
    switch (y.quadrant) {
    case 0: return kernelCos(y.hi, y.lo);
    case 1: return -kernelSin(y.hi, y.lo, true);
    case 2: return -kernelCos(y.hi, y.lo);
    default: return kernelSin(y.hi, y.lo, true);
    }
}

double atan(double x)
{
    // atan of 0.5, 1, 1.5 and infinity, each as a head and a tail.
    constexpr double atanhi[] = {4.63647609000806093515e-01, 7.85398163397448278999e-01, 9.82793723247329054082e-01,
                                 1.57079632679489655800e+00};
    constexpr double atanlo[] = {2.26987774529616870924e-17, 3.06161699786838301793e-17, 1.39033110312309984516e-17,
                                 6.12323399573676603587e-17};
    constexpr double aT[] = {3.33333333333329318027e-01,  -1.99999999998764832476e-01, 1.42857142725034663711e-01,
                             -1.11111104054623557880e-01, 9.09088713343650656196e-02,  -7.69187620504482999495e-02,
                             6.66107313738753120669e-02,  -5.83357013379057348645e-02, 4.97687799461593236017e-02,
                             -3.65315727442169155270e-02, 1.62858201153657823623e-02};
    if (std::isnan(x))
        return x;
    const std::uint32_t ix = highWord(x);
    const bool negative = std::signbit(x);
    if (ix >= 0x44100000u) // |x| >= 2^66
        return negative ? -(atanhi[3] + atanlo[3]) : atanhi[3] + atanlo[3];
    int id = -1;
    if (ix < 0x3fdc0000u) {   // |x| < 0.4375
        if (ix < 0x3e200000u) // |x| < 2^-29
            return x;
    } else {
        x = std::fabs(x);
        if (ix < 0x3ff30000u) {     // |x| < 1.1875
            if (ix < 0x3fe60000u) { // 7/16 <= |x| < 11/16
                id = 0;
                x = (2.0 * x - 1.0) / (2.0 + x);
            } else {
                id = 1;
                x = (x - 1.0) / (x + 1.0);
            }
        } else if (ix < 0x40038000u) { // |x| < 2.4375
            id = 2;
            x = (x - 1.5) / (1.0 + 1.5 * x);
        } else {
            id = 3;
            x = -1.0 / x;
        }
    }
    const double z = x * x;
    const double w = z * z;
    const double s1 = z * (aT[0] + w * (aT[2] + w * (aT[4] + w * (aT[6] + w * (aT[8] + w * aT[10])))));
    const double s2 = w * (aT[1] + w * (aT[3] + w * (aT[5] + w * (aT[7] + w * aT[9]))));
    if (id < 0)
        return x - x * (s1 + s2);
    const double r = atanhi[id] - ((x * (s1 + s2) - atanlo[id]) - x);
    return negative ? -r : r;
}

double hypot(double x, double y) { return std::sqrt(x * x + y * y); }

} // namespace tagler::pmath
