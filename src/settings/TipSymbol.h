#pragma once
#include <array>
#include <cstddef>

namespace tagler {

// The 先端記号 list, in its stored order: a tip's value is its item index.
enum class TipSymbol {
    noLeader,
    noSymbol,
    solidDot,
    hollowDot,
    arrow1,
    arrow2,
    arrow3,
    arrow4,
};

inline constexpr int kTipSymbolCount = 8;

enum class TipFamily { none, dot, arrow };

struct TipTraits {
    const char* name; // UTF-8, as the 先端記号 list shows it
    // 引出なし draws neither a tip nor the leader line.
    bool drawsLeader;
    TipFamily family;
    // A dot or an arrow head filled solid.
    bool filled;
    // Arrows: one barb (on the side away from the text) or both.
    int barbs;
    // Arrows: the barbs' ends joined into a triangle.
    bool closed;
};

namespace tip_symbols {

using Fam = TipFamily;

// clang-format off
inline constexpr std::array<TipTraits, kTipSymbolCount> kTraits{{
    // name      leader family     filled barbs closed
    {"引出なし", false, Fam::none,  false, 0, false},
    {"記号なし", true,  Fam::none,  false, 0, false},
    {"実点",     true,  Fam::dot,   true,  0, false},
    {"空点",     true,  Fam::dot,   false, 0, false},
    {"矢印１",   true,  Fam::arrow, false, 1, false},
    {"矢印２",   true,  Fam::arrow, false, 2, false},
    {"矢印３",   true,  Fam::arrow, false, 2, true},
    {"矢印４",   true,  Fam::arrow, true,  2, true},
}};
// clang-format on

} // namespace tip_symbols

constexpr const TipTraits& traits(TipSymbol t) { return tip_symbols::kTraits[static_cast<std::size_t>(t)]; }

// The stored 先端記号 index as a tip; the settings record holds the index, range-checked on load.
TipSymbol tipSymbolAt(int index);
// The row of an index that may lie outside the table (a picture of unchecked input); null then.
constexpr const TipTraits* tipTraitsAt(int index)
{
    return index >= 0 && index < kTipSymbolCount ? &tip_symbols::kTraits[static_cast<std::size_t>(index)] : nullptr;
}

} // namespace tagler
