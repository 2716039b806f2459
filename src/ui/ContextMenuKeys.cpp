#include "ui/ContextMenuKeys.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>

namespace tagler {

namespace {

// Set while a placed event travels, so it is not placed again on its way up the parents.
bool placing = false;

struct MenuPlace {
    QWidget* receiver;
    QPoint at;
};

MenuPlace placeFor(QWidget* w)
{
    if (auto* view = qobject_cast<QAbstractItemView*>(w)) {
        QWidget* area = view->viewport();
        const QRect cell = view->visualRect(view->currentIndex()).intersected(area->rect());
        return {area, cell.isValid() ? cell.center() : area->rect().center()};
    }
    const QRect caret =
        w->testAttribute(Qt::WA_InputMethodEnabled) ? w->inputMethodQuery(Qt::ImCursorRectangle).toRect() : QRect();
    if (caret.isValid() && w->rect().contains(caret.center()))
        return {w, caret.center()};
    return {w, w->rect().center()};
}

} // namespace

void openContextMenuByKey(QWidget* w)
{
    const MenuPlace place = placeFor(w);
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, place.at, place.receiver->mapToGlobal(place.at),
                           QApplication::keyboardModifiers());
    placing = true;
    QApplication::sendEvent(place.receiver, &menu);
    placing = false;
}

bool ContextMenuKeys::eventFilter(QObject* watched, QEvent* e)
{
    if (placing || !watched->isWidgetType() || QApplication::activePopupWidget())
        return QObject::eventFilter(watched, e);
    auto* w = static_cast<QWidget*>(watched);
    if (e->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(e);
        if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier && w->isEnabled()) {
            openContextMenuByKey(w);
            return true;
        }
    } else if (e->type() == QEvent::ContextMenu &&
               static_cast<QContextMenuEvent*>(e)->reason() == QContextMenuEvent::Keyboard && w->isEnabled()) {
        openContextMenuByKey(w);
        return true;
    }
    return QObject::eventFilter(watched, e);
}

} // namespace tagler
