#include "app/TextBookPick.h"

#include <gtest/gtest.h>

namespace tagler {
namespace {

constexpr int kWidth = 566;

TEST(TextBookPick, ZoneWidthsOfTheDetectionRanges)
{
    EXPECT_EQ(edgeZoneWidth(kWidth, 0), 0);
    EXPECT_EQ(edgeZoneWidth(kWidth, 1), 51);
    EXPECT_EQ(edgeZoneWidth(kWidth, 2), 70);
    EXPECT_EQ(edgeZoneWidth(kWidth, 3), 141);
}

TEST(TextBookPick, SweepingAlongTheEdges)
{
    const struct {
        const char* what;
        int range;
        int x;
        std::optional<int> row;
        GridPick before;
        bool moved;
        GridPick after;
    } cases[] = {
        {"none selects nothing", 0, 10, 5, {0, 1, EdgeZone::left, true}, false, {0, 1, EdgeZone::none, true}},
        {"wide, left edge over row 5", 3, 10, 5, {}, true, {5, 0, EdgeZone::left, true}},
        {"narrow, just inside the left zone", 1, 50, 5, {}, true, {5, 0, EdgeZone::left, true}},
        {"narrow, just outside the left zone", 1, 52, 5, {}, false, {0, 0, EdgeZone::none, true}},
        {"standard, right zone", 2, kWidth - 69, 3, {}, true, {3, 1, EdgeZone::right, true}},
        {"standard, just outside the right zone", 2, kWidth - 71, 3, {}, false, {0, 0, EdgeZone::none, true}},
        {"same row in the same zone", 2, 10, 4, {4, 0, EdgeZone::left, true}, false, {4, 0, EdgeZone::left, true}},
        {"crossing to the other zone over the same row",
         2,
         kWidth - 5,
         4,
         {4, 0, EdgeZone::left, true},
         true,
         {4, 1, EdgeZone::right, true}},
        {"below the last row", 2, 10, std::nullopt, {4, 0, EdgeZone::none, true}, false, {4, 0, EdgeZone::none, false}},
        {"middle leaves the zone", 2, 300, 9, {4, 0, EdgeZone::left, true}, false, {4, 0, EdgeZone::none, true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        GridPick pick = c.before;
        EXPECT_EQ(pointAt(pick, c.x, c.row, kWidth, c.range), c.moved);
        EXPECT_EQ(pick.selectedRow, c.after.selectedRow);
        EXPECT_EQ(pick.column, c.after.column);
        EXPECT_EQ(pick.edgeZone, c.after.edgeZone);
        EXPECT_EQ(pick.cellSelectAllowed, c.after.cellSelectAllowed);
    }
}

TEST(TextBookPick, TheWheelStopsAtTheEndsAndIsRefusedInAZone)
{
    const struct {
        const char* what;
        GridPick before;
        int step;
        bool moved;
        int row;
        bool allowed;
    } cases[] = {
        {"down", {3, 0, EdgeZone::none, false}, 1, true, 4, true},
        {"down at row 17", {17, 0, EdgeZone::none, true}, 1, true, 17, true},
        {"up at row 0", {0, 0, EdgeZone::none, true}, -1, true, 0, true},
        {"in an edge zone", {3, 0, EdgeZone::right, true}, 1, false, 3, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        GridPick pick = c.before;
        EXPECT_EQ(turnWheel(pick, c.step), c.moved);
        EXPECT_EQ(pick.selectedRow, c.row);
        EXPECT_EQ(pick.cellSelectAllowed, c.allowed);
    }
}

} // namespace
} // namespace tagler
