#pragma once
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

// "T1".."T5" in either case; anything else (or nothing) is normal.
SessionMode sessionModeFromArgument(std::string_view argument);
const char* sessionModeArgument(SessionMode mode); // "" for normal

} // namespace tagler
