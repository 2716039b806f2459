#pragma once
#include "base/LineFile.h"
#include "render/HostRecord.h"

#include <array>
#include <optional>
#include <string>

// The host's drawing settings that a header carries: what the header writer
// puts into jwc_temp.txt and what the renderer needs to size text.
namespace tagler::render {

struct TextType {
    double width = 0; // mm on paper
    double height = 0;
    double spacing = 0;
    int color = 1; // pen colour 1..8
};

struct HostSheet {
    std::array<double, 16> groupScales{};       // S of 1/S for groups 0..F
    std::array<TextType, 10> textTypes{};       // types 1..10 at 0..9
    int group = 0;                              // current layer group
    int layer = 0;                              // current layer
    int lineColor = 1;                          // current line colour 1..8
    int textType = 1;                           // current text type 1..10
    std::optional<FreeTextSizeRecord> freeText; // current text is free-size ("cn0 W H S C")
    std::string font;                           // CP932

    const TextType& type(int number) const { return textTypes.at(static_cast<std::size_t>(number - 1)); }
};

// Scale 1/1 everywhere, the ten text types of a stock host installation,
// group 0, layer 0, colour 1, text type 1, ＭＳ ゴシック.
HostSheet defaultHostSheet();

// Reads the tagged lines of a header (hs, hcw, hch, hcd, hcc, lg, ly, lc, cn, font)
// up to "#"; what a header leaves out keeps its default. A tagged line with
// the wrong number of values is a conversion error.
HostSheet readHostSheet(const Lines& header);

} // namespace tagler::render
