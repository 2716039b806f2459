#include "render/RealSizePicture.h"

#include <gtest/gtest.h>

namespace tagler::render {
namespace {

TEST(ScaleBar, ShowsOneTwoOrFiveTimesAPowerOfTenThatFits)
{
    const std::pair<double, double> cases[] = {
        {1, 1},   {1.9, 1},   {2, 2},       {4.99, 2},    {5, 5},     {9.99, 5},
        {10, 10}, {0.3, 0.2}, {0.07, 0.05}, {3700, 2000}, {1e6, 1e6},
    };
    for (const auto& [longest, shown] : cases)
        EXPECT_DOUBLE_EQ(scaleBarLength(longest), shown) << longest;
}

} // namespace
} // namespace tagler::render
