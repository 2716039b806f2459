#include "app/TextBookPick.h"

#include <algorithm>

namespace tagler {

int edgeZoneWidth(int gridWidth, int detectionRange)
{
    switch (detectionRange) {
    case 1: return gridWidth / 11;
    case 2: return gridWidth / 8;
    case 3: return gridWidth / 4;
    default: return 0;
    }
}

bool pointAt(GridPick& pick, int x, std::optional<int> row, int gridWidth, int detectionRange)
{
    const int w = edgeZoneWidth(gridWidth, detectionRange);
    if (w == 0) {
        pick.edgeZone = EdgeZone::none;
        return false;
    }
    bool changed = false;
    if (w < x && x < gridWidth - w)
        pick.edgeZone = EdgeZone::none;
    if (x < w) {
        pick.column = 0;
        changed = pick.edgeZone != EdgeZone::left;
        pick.edgeZone = EdgeZone::left;
        pick.cellSelectAllowed = true;
    }
    if (x > gridWidth - w) {
        pick.column = 1;
        changed = pick.edgeZone != EdgeZone::right;
        pick.edgeZone = EdgeZone::right;
        pick.cellSelectAllowed = true;
    }
    if (!((pick.edgeZone != EdgeZone::none && row != pick.selectedRow) || changed))
        return false;
    if (!row || *row < 0 || *row >= kGridRows) {
        pick.edgeZone = EdgeZone::none;
        pick.cellSelectAllowed = false;
        return false;
    }
    pick.selectedRow = *row;
    pick.cellSelectAllowed = true;
    return true;
}

bool turnWheel(GridPick& pick, int step)
{
    if (pick.edgeZone != EdgeZone::none) {
        pick.cellSelectAllowed = false;
        return false;
    }
    pick.selectedRow = std::clamp(pick.selectedRow + step, 0, kGridRows - 1);
    pick.cellSelectAllowed = true;
    return true;
}

} // namespace tagler
