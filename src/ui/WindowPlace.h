#pragma once
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>
#include <string>

namespace tagler {

// The remembered window position ("left", "top" as stored), or nothing when
// the lines hold no numbers.
std::optional<QPoint> storedWindowPlace(const std::string& left, const std::string& top);

// A remembered place can lie on a screen that is gone; the window is moved
// just far enough to be whole on the nearest screen, so it can be reached.
QPoint placeOnScreens(QPoint wanted, QSize frame, const QList<QRect>& screens);

} // namespace tagler
