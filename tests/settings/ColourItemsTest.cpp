#include "settings/ColourItems.h"

#include "settings/AnnotationSettings.h"

#include <gtest/gtest.h>

namespace tagler {
namespace {

TEST(ColourItems, StoredIndexesKeepMeaningTheSameColours)
{
    const int custom = 0x123456;
    const struct {
        const char* name;
        int index;
        int value;
    } cases[] = {
        {"custom entry", 0, custom},
        {"black", 1, 0},
        {"maroon, red in the low byte", 2, 0x000080},
        {"navy, blue in the high byte", 5, 0x800000},
        {"silver", 9, 12632256},
        {"white", 16, 0xFFFFFF},
        {"money green", 17, 12639424},
        {"cream", 19, 15793151},
        {"medium gray", 20, colourValue(160, 160, 164)},
        {"beyond the list", 21, custom},
    };
    for (const auto& c : cases)
        EXPECT_EQ(colourItemValue(c.index, custom), c.value) << c.name;
}

} // namespace
} // namespace tagler
