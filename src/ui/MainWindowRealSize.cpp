// The real-size preview beside the window.
#include "ui/MainWindow.h"

#include "ui/PreviewBox.h"
#include "ui/RealSizePreviewWindow.h"
#include "ui/UserSettings.h"

#include <QFrame>
#include <QMenu>
#include <QShortcut>

namespace tagler {

void MainWindow::buildRealSizePreview()
{
    realSize_ = new RealSizePreviewWindow(session_, this);
    // F2 works from the preview too, so it closes what it opened.
    auto* f2 = new QShortcut(QKeySequence(Qt::Key_F2), this);
    f2->setContext(Qt::ApplicationShortcut);
    connect(f2, &QShortcut::activated, realSize_, &RealSizePreviewWindow::toggle);
    for (QWidget* w : std::initializer_list<QWidget*>{c_.previewFrame, c_.settingsPreview}) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this,
                [this, w](const QPoint& at) { realSizeMenu(w->mapToGlobal(at)); });
    }
}

void MainWindow::realSizeMenu(const QPoint& at)
{
    QMenu menu(this);
    QAction* open = menu.addAction(QStringLiteral("実寸プレビュー"));
    open->setShortcut(QKeySequence(Qt::Key_F2));
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
