#pragma once
#include <optional>

namespace tagler {

// How the text-book grid picks a block without a click: the wheel, and the
// mouse sweeping along the grid's left or right edge.
enum class EdgeZone { none, left, right };

struct GridPick {
    int selectedRow = 0; // the expanded row
    int column = 0;      // the current column
    EdgeZone edgeZone = EdgeZone::none;
    bool cellSelectAllowed = true; // the grid lets its current cell change only while set
};

inline constexpr int kGridRows = 18;

// The zone width for 無し, 狭い, 標準, 広い (0 for none).
int edgeZoneWidth(int gridWidth, int detectionRange);

// A mouse move at x over row (none below the last row). True when the
// selection moved: the grid shows it and the block view follows.
bool pointAt(GridPick& pick, int x, std::optional<int> row, int gridWidth, int detectionRange);

// One wheel step, +1 down or -1 up. True when the selection moved.
bool turnWheel(GridPick& pick, int step);

} // namespace tagler
