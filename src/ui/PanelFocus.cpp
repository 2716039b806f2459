#include "ui/PanelFocus.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>

namespace tagler {

namespace {

bool takesTab(const QWidget* w)
{
    return (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->isVisible() && w->isEnabled();
}

bool isTabKey(const QKeyEvent* key) { return key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab; }

} // namespace

void PanelFocus::add(QWidget* panel, QWidget* first)
{
    panels_.push_back({panel, first, nullptr});
    panel->installEventFilter(this);
    // Before each control sees the key: a list box would take Esc or Ctrl+Tab as a letter to search for.
    for (QWidget* w : panel->findChildren<QWidget*>())
        w->installEventFilter(this);
}

PanelFocus::Panel* PanelFocus::openPanelHolding(const QWidget* w)
{
    for (Panel& p : panels_)
        if (p.panel->isVisible() && p.panel->isAncestorOf(w))
            return &p;
    return nullptr;
}

const PanelFocus::Panel* PanelFocus::openPanelHolding(const QWidget* w) const
{
    return const_cast<PanelFocus*>(this)->openPanelHolding(w);
}

// A control whose middle lies under an open panel cannot be seen to take the focus.
bool PanelFocus::covered(const QWidget* w) const
{
    for (const Panel& p : panels_) {
        const QWidget* over = p.panel;
        if (!over->isVisible() || over->isAncestorOf(w) || !over->parentWidget()->isAncestorOf(w))
            continue;
        const QPoint middle = w->mapTo(over->parentWidget(), w->rect().center());
        if (over->geometry().contains(middle))
            return true;
    }
    return false;
}

bool PanelFocus::anyOpen() const
{
    return std::any_of(panels_.begin(), panels_.end(), [](const Panel& p) { return p.panel->isVisible(); });
}

QWidget* PanelFocus::tabTarget(QWidget* from, bool next) const
{
    if (!from)
        return nullptr;
    const Panel* inside = openPanelHolding(from);
    QWidget* w = from;
    // The chain is a ring through every widget of the window.
    for (;;) {
        w = next ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == from || w->window() != from->window())
            return nullptr;
        if (!takesTab(w))
            continue;
        if (inside ? inside->panel->isAncestorOf(w) : !covered(w))
            return w;
    }
}

bool PanelFocus::eventFilter(QObject* watched, QEvent* e)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    Panel* panel = nullptr;
    for (Panel& p : panels_)
        if (p.panel == watched || (widget && p.panel->isAncestorOf(widget)))
            panel = &p;
    if (!panel || !widget)
        return QObject::eventFilter(watched, e);
    switch (e->type()) {
    case QEvent::Show:
        if (watched == panel->panel) {
            QWidget* focus = QApplication::focusWidget();
            if (!panel->panel->isAncestorOf(focus))
                panel->opener = focus;
            panel->first->setFocus(Qt::OtherFocusReason);
        }
        break;
    case QEvent::Hide:
        // Before Qt moves a focus left inside to the next control in the chain.
        if (watched == panel->panel && panel->panel->isAncestorOf(QApplication::focusWidget()) && panel->opener &&
            panel->opener->isVisible() && panel->opener->isEnabled())
            panel->opener->setFocus(Qt::OtherFocusReason);
        break;
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(e);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
            panel->panel->hide();
            return true;
        }
        if (isTabKey(key) && (key->modifiers() & Qt::ControlModifier)) {
            const bool back = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
            if (QWidget* to = tabTarget(QApplication::focusWidget(), !back))
                to->setFocus(back ? Qt::BacktabFocusReason : Qt::TabFocusReason);
            return true;
        }
        break;
    }
    default: break;
    }
    return QObject::eventFilter(watched, e);
}

} // namespace tagler
