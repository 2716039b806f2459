// The real-size preview beside the window.
#include "ui/MainWindow.h"

#include "ui/PreviewBox.h"
#include "ui/RealSizePreviewWindow.h"
#include "ui/UserSettings.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFrame>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

namespace tagler {

void MainWindow::buildRealSizePreview()
{
    realSize_ = new RealSizePreviewWindow(session_, this);
    realSize_->setKeepClear(c_.complete);
    // F2 works from the preview too, so it closes what it opened. A grid with
    // the focus keeps F2 for editing its cell; Ctrl+F2 works everywhere.
    auto* f2 = new QShortcut(QKeySequence(Qt::Key_F2), this);
    f2->setContext(Qt::ApplicationShortcut);
    connect(f2, &QShortcut::activated, this, [this] {
        // While a cell is edited its editor, not the grid, has the focus.
        auto* grid = qobject_cast<QAbstractItemView*>(QApplication::focusWidget());
        if (grid && (grid->currentIndex().flags() & Qt::ItemIsEditable))
            grid->edit(grid->currentIndex());
        else
            realSize_->toggle();
    });
    auto* ctrlF2 = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F2), this);
    ctrlF2->setContext(Qt::ApplicationShortcut);
    connect(ctrlF2, &QShortcut::activated, realSize_, &RealSizePreviewWindow::toggle);
    for (QWidget* w : std::initializer_list<QWidget*>{c_.previewFrame, c_.settingsPreview}) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this,
                [this, w](const QPoint& at) { realSizeMenu(w->mapToGlobal(at)); });
    }
}

void MainWindow::realSizeMenu(const QPoint& at)
{
    QMenu menu(this);
    // Both keys shown: a menu shows only one of an action's shortcuts.
    QAction* open = menu.addAction(QStringLiteral("実寸プレビュー\tF2 / Ctrl+F2"));
    open->setCheckable(true);
    open->setChecked(realSize_->isVisible());
    connect(open, &QAction::triggered, realSize_, &RealSizePreviewWindow::toggle);
    menu.exec(at);
}

void MainWindow::openRealSizeAtStart()
{
    if (!finished_)
        realSize_->restore(*userSettings());
}

void MainWindow::rememberRealSize() { realSize_->remember(*userSettings()); }

} // namespace tagler
