#pragma once
#include <QRect>
#include <QSize>

#include <optional>

namespace tagler {

struct ToolWindowRoom {
    QRect owner;     // the main window's frame
    QRect keepClear; // what the tool window never covers (入力完了), in the same coordinates
    QRect screen;    // the available part of the owner's screen
    QSize wanted;    // the tool window's frame at its preferred size
    QSize minimum;   // the smallest frame it may shrink to
    int gap = 8;
};

// Where a tool window goes so that it covers no part of the owner: right,
// left, below or above, the first side where it fits whole; else the side
// with the most room, shrunk to fit down to its minimum. Only when no side
// has that much room does it overlap the owner, as little as it can, and
// never over keepClear while any place on the screen avoids it.
QRect placeToolWindow(const ToolWindowRoom& room);

// Where a tool window opens again: where it was (placed or moved by hand)
// while the screen is the one it was placed on and holds it whole; anew
// by placeToolWindow once the screen has changed or lost part of it.
QRect reopenToolWindow(const std::optional<QRect>& kept, const QRect& keptScreen, const ToolWindowRoom& room);

} // namespace tagler
