#pragma once
#include <cstdint>

// The items of the program's colour boxes, in the order whose indexes the
// data files store: 0 the custom entry, then 16 standard colours, then the
// extended ones. Values are platform colours with red in the low byte
// (0x00BBGGRR), as the files and the "lc10" record carry them.
namespace tagler {

inline constexpr int kColourItemCount = 21;
inline constexpr int kCustomColourItem = 0;
inline constexpr int kMoneyGreenIndex = 17; // the first extended colour

// The colour item index shows; the custom entry shows customColour.
// An index outside the list shows the custom entry.
std::int32_t colourItemValue(int index, std::int32_t customColour);
const char* colourItemName(int index); // UTF-8

constexpr int redOf(std::int32_t colour) { return colour & 0xFF; }
constexpr int greenOf(std::int32_t colour) { return (colour >> 8) & 0xFF; }
constexpr int blueOf(std::int32_t colour) { return (colour >> 16) & 0xFF; }
constexpr std::int32_t colourValue(int red, int green, int blue) { return red | (green << 8) | (blue << 16); }

} // namespace tagler
