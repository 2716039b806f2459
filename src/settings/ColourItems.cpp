#include "settings/ColourItems.h"

#include <array>

namespace tagler {

namespace {

struct ColourItem {
    const char* name;
    std::int32_t value;
};

constexpr std::array<ColourItem, kColourItemCount> kItems{{
    {"カスタム...", 0},
    {"黒", colourValue(0, 0, 0)},
    {"栗色", colourValue(128, 0, 0)},
    {"緑", colourValue(0, 128, 0)},
    {"オリーブ", colourValue(128, 128, 0)},
    {"濃紺", colourValue(0, 0, 128)},
    {"紫", colourValue(128, 0, 128)},
    {"青緑", colourValue(0, 128, 128)},
    {"灰色", colourValue(128, 128, 128)},
    {"銀色", colourValue(192, 192, 192)},
    {"赤", colourValue(255, 0, 0)},
    {"ライム", colourValue(0, 255, 0)},
    {"黄", colourValue(255, 255, 0)},
    {"青", colourValue(0, 0, 255)},
    {"赤紫", colourValue(255, 0, 255)},
    {"水色", colourValue(0, 255, 255)},
    {"白", colourValue(255, 255, 255)},
    {"マネーグリーン", colourValue(192, 220, 192)},
    {"スカイブルー", colourValue(166, 202, 240)},
    {"クリーム", colourValue(255, 251, 240)},
    {"ミディアムグレー", colourValue(160, 160, 164)},
}};

} // namespace

std::int32_t colourItemValue(int index, std::int32_t customColour)
{
    if (index <= kCustomColourItem || index >= kColourItemCount)
        return customColour;
    return kItems[static_cast<std::size_t>(index)].value;
}

const char* colourItemName(int index)
{
    if (index < 0 || index >= kColourItemCount)
        return kItems[kCustomColourItem].name;
    return kItems[static_cast<std::size_t>(index)].name;
}

} // namespace tagler
