#pragma once
#include <array>
#include <cstddef>

namespace tagler {

// The 文字枠 list, in its stored order: a frame's value is its item index.
enum class FrameType {
    none,
    underline,
    box,
    longRound,
    bracket,
    noneExtended,
    underlineExtended,
    boxExtended,
    longRoundExtended,
    bracketExtended,
    balloon,
    cloudEven,
    cloudUneven,
    curvedLeader1,
    curvedLeader2,
};

inline constexpr int kFrameTypeCount = 15;

enum class FrameFamily { none, underline, box, longRound, bracket, balloon, cloud, curvedLeader };

// When a box hangs beside the leader end instead of along the extension.
enum class SidePlacement { never, always, whenLeaderRunsBack };

struct FrameTraits {
    const char* name; // UTF-8, as the 文字枠 list shows it
    FrameFamily family;
    bool extended;  // draws an extension line first
    FrameType base; // the same frame without the extension line
    // Balloons and clouds draw the leader as part of their outline: no tip symbol, no leader line.
    bool drawsOwnLeader;
    // Takes the attach position's offset (outside text mode); the アタッチ位置 list is enabled for it.
    bool takesAttachShift;
    // Takes the text slide; the 文字スライド list is enabled for it.
    bool takesSlide;
    SidePlacement sidePlacement;
    // In four-point mode the straight leader runs through point 4.
    bool bendsThroughPoint4;
    // A tilted frame keeps the horizontal layout (ordinary font; in text mode whatever the font).
    bool tiltKeepsHorizontal;
    bool tiltKeepsHorizontalInTextMode;
    // Scallops of alternating size.
    bool unevenScallops;
    // Which of the two curve figures the curved leader follows (0: no curved leader).
    int curve;
    // What the frame becomes in text mode and when one frame is drawn per existing text.
    FrameType inTextMode;
    FrameType forEachText;
};

namespace frame_catalogue {

using F = FrameType;
using Fam = FrameFamily;
using Side = SidePlacement;

// clang-format off
inline constexpr std::array<FrameTraits, kFrameTypeCount> kTraits{{
    // name          family           ext    base          ownLdr attach slide  side                    pt4    tiltH  tiltHT uneven curve textMode       eachText
    {"枠無",         Fam::none,       false, F::none,      false, true,  false, Side::whenLeaderRunsBack, true, true,  false, false, 0, F::none,      F::none},
    {"下線",         Fam::underline,  false, F::underline, false, false, true,  Side::never,            true,  true,  false, false, 0, F::underline, F::underline},
    {"四角",         Fam::box,        false, F::box,       false, true,  false, Side::whenLeaderRunsBack, true, true,  false, false, 0, F::box,       F::box},
    {"長丸",         Fam::longRound,  false, F::longRound, false, false, false, Side::never,            true,  false, true,  false, 0, F::longRound, F::longRound},
    {"括弧",         Fam::bracket,    false, F::bracket,   false, true,  false, Side::whenLeaderRunsBack, true, true,  false, false, 0, F::bracket,   F::bracket},
    {"枠無延長",     Fam::none,       true,  F::none,      false, true,  false, Side::never,            true,  true,  false, false, 0, F::none,      F::none},
    {"下線延長",     Fam::underline,  true,  F::underline, false, false, true,  Side::never,            true,  true,  false, false, 0, F::underline, F::underline},
    {"四角延長",     Fam::box,        true,  F::box,       false, true,  false, Side::never,            true,  true,  false, false, 0, F::box,       F::box},
    {"長丸延長",     Fam::longRound,  true,  F::longRound, false, false, false, Side::never,            true,  true,  false, false, 0, F::longRound, F::longRound},
    {"括弧延長",     Fam::bracket,    true,  F::bracket,   false, true,  false, Side::never,            true,  true,  false, false, 0, F::bracket,   F::bracket},
    {"吹出四角",     Fam::balloon,    false, F::balloon,   true,  false, false, Side::always,           true,  false, false, false, 0, F::box,       F::box},
    {"雲　等片",     Fam::cloud,      false, F::cloudEven, true,  false, false, Side::always,           false, false, true,  false, 0, F::cloudEven, F::cloudEven},
    {"雲　異片",     Fam::cloud,      false, F::cloudUneven, true, false, false, Side::always,          false, false, true,  true,  0, F::cloudUneven, F::cloudUneven},
    {"曲線引出１",   Fam::curvedLeader, false, F::curvedLeader1, false, true, false, Side::whenLeaderRunsBack, false, false, false, false, 1, F::none, F::none},
    {"曲線引出２",   Fam::curvedLeader, false, F::curvedLeader2, false, true, false, Side::whenLeaderRunsBack, false, false, false, false, 2, F::none, F::none},
}};
// clang-format on

} // namespace frame_catalogue

constexpr const FrameTraits& traits(FrameType f) { return frame_catalogue::kTraits[static_cast<std::size_t>(f)]; }

constexpr int frameIndex(FrameType f) { return static_cast<int>(f); }

// The stored 文字枠 index as a frame; the settings record holds the index, range-checked on load.
FrameType frameTypeAt(int index);

// Balloon, cloud and curved-leader frames: shaped around the leader rather than the text alone.
constexpr bool isShaped(FrameFamily family)
{
    return family == FrameFamily::balloon || family == FrameFamily::cloud || family == FrameFamily::curvedLeader;
}

} // namespace tagler
