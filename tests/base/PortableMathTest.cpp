#include "base/PortableMath.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

namespace tagler {
namespace {

// How many doubles lie between a and b.
std::int64_t ulps(double a, double b)
{
    const auto key = [](double v) {
        const auto bits = std::bit_cast<std::int64_t>(v);
        return bits < 0 ? std::numeric_limits<std::int64_t>::min() - bits : bits;
    };
    return std::llabs(key(a) - key(b));
}

// The references are rounded from 200-bit arithmetic, so they hold on every system;
// the rows near multiples of pi/2 are where the x87's short pi went wrong.
TEST(PortableMath, WithinOneUnitOfTheTrueValue)
{
    const struct {
        double x, sin, cos, atan;
    } rows[] = {
        {0.1, 0.09983341664682815, 0.9950041652780258, 0.09966865249116204},
        {0.5, 0.479425538604203, 0.8775825618903728, 0.4636476090008061},
        {0.7853981633974483, 0.7071067811865475, 0.7071067811865476, 0.6657737500283538},
        {1.0, 0.8414709848078965, 0.5403023058681398, 0.7853981633974483},
        {1.5707963267948966, 1.0, 6.123233995736766e-17, 1.0038848218538872},
        {-1.5707963267948966, -1.0, 6.123233995736766e-17, -1.0038848218538872},
        {3.141592653589793, 1.2246467991473532e-16, -1.0, 1.2626272556789118},
        {4.71238898038469, -1.0, -1.8369701987210297e-16, 1.3616916829711636},
        {6.283185307179586, -2.4492935982947064e-16, 1.0, 1.4129651365067377},
        {2.0, 0.9092974268256817, -0.4161468365471424, 1.1071487177940904},
        {3.0, 0.1411200080598672, -0.9899924966004454, 1.2490457723982544},
        {10.0, -0.5440211108893698, -0.8390715290764524, 1.4711276743037347},
        {100.0, -0.5063656411097588, 0.8623188722876839, 1.5607966601082315},
        {-7.5, -0.9379999767747389, 0.3466353178350258, -1.4382447944982226},
        {0.7853981633974484, 0.7071067811865476, 0.7071067811865475, 0.6657737500283539},
        {1.2e-08, 1.2e-08, 0.9999999999999999, 1.2e-08},
        {2.356194490192345, 0.7071067811865476, -0.7071067811865475, 1.1694228248157563},
        {5.497787143782138, -0.7071067811865477, 0.7071067811865474, 1.390871988014422},
        {1000.0, 0.8268795405320025, 0.5623790762907029, 1.5697963271282298},
        {0.3, 0.29552020666133955, 0.955336489125606, 0.2914567944778671},
        {0.78125, 0.7041675114545337, 0.7100338835660797, 0.6632029927060933},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.x);
        EXPECT_LE(ulps(pmath::sin(r.x), r.sin), 1);
        EXPECT_LE(ulps(pmath::cos(r.x), r.cos), 1);
        EXPECT_LE(ulps(pmath::atan(r.x), r.atan), 1);
    }
    EXPECT_EQ(pmath::cos(1.5707963267948966), 6.123233995736766e-17); // exact where a leader turns straight up
    EXPECT_EQ(pmath::hypot(3, 4), 5);
    EXPECT_TRUE(std::isnan(pmath::atan(NAN)));
    EXPECT_EQ(pmath::atan(INFINITY), 1.5707963267948966);
}

#ifndef _WIN32
// Against this system's library (itself within a unit) over the angles a drawing meets.
TEST(PortableMath, AgreesWithTheLinuxLibraryToOneUnit)
{
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> angle(-50.0, 50.0), ratio(-1e4, 1e4);
    std::int64_t worst = 0;
    for (int i = 0; i < 200000; ++i) {
        const double a = angle(random), t = ratio(random) * std::pow(10.0, double(i % 9) - 8);
        worst = std::max({worst, ulps(pmath::sin(a), std::sin(a)), ulps(pmath::cos(a), std::cos(a)),
                          ulps(pmath::atan(t), std::atan(t))});
    }
    EXPECT_LE(worst, 1);
}
#endif

} // namespace
} // namespace tagler
