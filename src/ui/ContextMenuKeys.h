#pragma once
#include <QObject>

class QWidget;

namespace tagler {

// The menu key and Shift+F10 open the focused control's context menu where
// the drafter looks: at the current cell of a grid, at the caret of a text
// box, over any other control. The platform sends the menu key as a context
// menu event at the caret or the control's corner; Shift+F10 it sends on
// Windows only. Watches the whole application.
class ContextMenuKeys final : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The context menu of w, as the keys open it.
void openContextMenuByKey(QWidget* w);

} // namespace tagler
