#include "ui/WindowPlace.h"

#include <QString>
#include <algorithm>
#include <limits>

namespace tagler {

std::optional<QPoint> storedWindowPlace(const std::string& left, const std::string& top)
{
    bool okLeft = false;
    bool okTop = false;
    const int x = QString::fromStdString(left).trimmed().toInt(&okLeft);
    const int y = QString::fromStdString(top).trimmed().toInt(&okTop);
    if (!okLeft || !okTop)
        return std::nullopt;
    return QPoint(x, y);
}

QPoint placeOnScreens(QPoint wanted, QSize frame, const QList<QRect>& screens)
{
    if (screens.isEmpty())
        return wanted;
    QPoint best = wanted;
    long long bestDistance = std::numeric_limits<long long>::max();
    for (const QRect& s : screens) {
        // The top-left corner that keeps the frame inside this screen, as near as possible.
        const int x = std::clamp(wanted.x(), s.left(), std::max(s.left(), s.right() + 1 - frame.width()));
        const int y = std::clamp(wanted.y(), s.top(), std::max(s.top(), s.bottom() + 1 - frame.height()));
        const long long dx = x - wanted.x();
        const long long dy = y - wanted.y();
        if (dx * dx + dy * dy < bestDistance) {
            bestDistance = dx * dx + dy * dy;
            best = QPoint(x, y);
        }
    }
    return best;
}

} // namespace tagler
