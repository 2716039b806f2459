#pragma once
#include <array>
#include <cstddef>
#include <string_view>

namespace tagler {

// Chosen once at start from the first command-line argument.
enum class SessionMode {
    normal = 0,
    importText = 1,  // T1
    frameWrite1 = 2, // T2
    frameWrite2 = 3, // T3
    textMode = 4,    // T4
    fourPoint = 5,   // T5
};

inline constexpr int kSessionModeCount = 6;

// Where the program finds the header's values in the hand-over.
enum class HeaderLayout {
    points,    // range line, points 1..3, then the host's records
    textMode,  // two points; point 2 is read from point 1's line
    fourPoint, // four points: tip, bend, leader end, direction
    selection, // no points: the selected records follow the host's records
};

struct SessionModeTraits {
    const char* argument; // as the host passes it, in either case; "" for normal
    const char* caption;  // UTF-8, the completion button's caption
    // The host writes the selected records instead of indicated points.
    bool handsOverSelection;
    // Frames are drawn around the texts handed over instead of a new annotation.
    bool framesExistingText;
    HeaderLayout header;
};

namespace session_modes {

using L = HeaderLayout;

// clang-format off
inline constexpr std::array<SessionModeTraits, kSessionModeCount> kTraits{{
    // argument caption     selection framing header
    {"",   "入力完了", false, false, L::points},
    {"T1", "取込完了", true,  false, L::selection},
    {"T2", "枠書込１", true,  true,  L::selection},
    {"T3", "枠書込２", true,  true,  L::selection},
    {"T4", "入力完了", false, false, L::textMode},
    {"T5", "入力完了", false, false, L::fourPoint},
}};
// clang-format on

} // namespace session_modes

constexpr const SessionModeTraits& traits(SessionMode m) { return session_modes::kTraits[static_cast<std::size_t>(m)]; }

// "T1".."T5" in either case; anything else (or nothing) is normal.
SessionMode sessionModeFromArgument(std::string_view argument);

} // namespace tagler
