#include "ui/ToolWindowPlace.h"

#include <algorithm>
#include <array>
#include <optional>

namespace tagler {
namespace {

enum class Side { right, left, below, above };

// The free band on one side of the owner, within the screen.
QRect band(const ToolWindowRoom& r, Side side)
{
    const QRect& o = r.owner;
    const QRect& s = r.screen;
    switch (side) {
    case Side::right: return QRect(QPoint(o.right() + 1 + r.gap, s.top()), s.bottomRight());
    case Side::left: return QRect(s.topLeft(), QPoint(o.left() - 1 - r.gap, s.bottom()));
    case Side::below: return QRect(QPoint(s.left(), o.bottom() + 1 + r.gap), s.bottomRight());
    case Side::above: return QRect(s.topLeft(), QPoint(s.right(), o.top() - 1 - r.gap));
    }
    return {};
}

// A frame of size inside the band, next to the owner and aligned with its top or left edge where it can be.
QRect inBand(const ToolWindowRoom& r, Side side, const QRect& b, QSize size)
{
    const auto clamp = [](int wanted, int low, int high) { return std::clamp(wanted, low, std::max(low, high)); };
    const bool beside = side == Side::right || side == Side::left;
    const int x = side == Side::left ? b.right() + 1 - size.width()
                  : beside           ? b.left()
                                     : clamp(r.owner.left(), b.left(), b.right() + 1 - size.width());
    const int y = side == Side::above ? b.bottom() + 1 - size.height()
                  : beside            ? clamp(r.owner.top(), b.top(), b.bottom() + 1 - size.height())
                                      : b.top();
    return QRect(QPoint(x, y), size);
}

long long overlap(const QRect& a, const QRect& b)
{
    const QRect i = a.intersected(b);
    return i.isEmpty() ? 0 : static_cast<long long>(i.width()) * i.height();
}

} // namespace

QRect placeToolWindow(const ToolWindowRoom& r)
{
    constexpr std::array sides{Side::right, Side::left, Side::below, Side::above};
    for (Side side : sides) {
        const QRect b = band(r, side);
        if (b.width() >= r.wanted.width() && b.height() >= r.wanted.height())
            return inBand(r, side, b, r.wanted);
    }
    std::optional<QRect> shrunk;
    for (Side side : sides) {
        const QRect b = band(r, side);
        const QSize size = r.wanted.boundedTo(b.size());
        if (size.width() < r.minimum.width() || size.height() < r.minimum.height())
            continue;
        const QRect candidate = inBand(r, side, b, size);
        if (!shrunk || candidate.width() * candidate.height() > shrunk->width() * shrunk->height())
            shrunk = candidate;
    }
    if (shrunk)
        return *shrunk;
    // Over the owner: the screen's corners and the owner's edges, the one covering least, keepClear spared.
    const QSize size = r.wanted.boundedTo(r.screen.size());
    const QRect& s = r.screen;
    const int right = s.right() + 1 - size.width();
    const int bottom = s.bottom() + 1 - size.height();
    const int besideY = std::clamp(r.owner.top(), s.top(), std::max(s.top(), bottom));
    const std::array<QPoint, 6> corners{QPoint(right, besideY),   QPoint(s.left(), besideY), QPoint(right, bottom),
                                        QPoint(s.left(), bottom), QPoint(right, s.top()),    QPoint(s.left(), s.top())};
    std::optional<QRect> best;
    long long bestCost = 0;
    for (const QPoint& at : corners) {
        const QRect candidate(at, size);
        // Covering keepClear costs more than covering the whole screen.
        const long long cost = overlap(candidate, r.owner) + (candidate.intersects(r.keepClear) ? 1LL << 40 : 0);
        if (!best || cost < bestCost) {
            best = candidate;
            bestCost = cost;
        }
    }
    return *best;
}

QRect reopenToolWindow(const std::optional<QRect>& kept, const QRect& keptScreen, const ToolWindowRoom& room)
{
    if (kept && keptScreen == room.screen && room.screen.contains(*kept))
        return *kept;
    return placeToolWindow(room);
}

} // namespace tagler
