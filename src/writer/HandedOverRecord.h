#pragma once
#include <array>
#include <string>
#include <string_view>

namespace tagler {

// The host's ten text types, as its header lists them (tokens, read when a record names a type).
struct HostTextSizes {
    std::array<std::string, 10> widths;
    std::array<std::string, 10> heights;
    std::array<std::string, 10> spacings;
};

// What the handed-over records say about the texts that follow them.
struct ExistingTextState {
    double halfCharWidth = 0; // mm at 1/1
    double charHeight = 0;
    double charSpacing = 0;
    int basePoint = 0; // 0..8: lower left … upper right
};

// Where a text record puts its text: insertion point and direction, whose length is the text's width.
struct TextPlacement {
    double x = 0, y = 0, dx = 0, dy = 0;
};

enum class HandedOverKind { font, size, basePoint, text, other };

// Reads one handed-over line: size and base-point lines update `state`, a text record fills
// `placement`. A text record with fewer than four numbers, or a size that is not a number, is a
// conversion error.
HandedOverKind readHandedOverRecord(std::string_view line, const HostTextSizes& sizes, ExistingTextState& state,
                                    TextPlacement& placement);

} // namespace tagler
