#include "ui/RealSizePreviewWindow.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSettings>

namespace tagler {
namespace {

const char* const kOpenKey = "realSizePreview/open";
const char* const kGeometryKey = "realSizePreview/geometry";

} // namespace

RealSizePreviewWindow::RealSizePreviewWindow(const Session& session, QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      source_(session)
{
    setWindowTitle(QStringLiteral("実寸プレビュー"));
    setMinimumSize(240, 180);
    resize(520, 400);
    setAttribute(Qt::WA_OpaquePaintEvent);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &RealSizePreviewWindow::refresh);
}

void RealSizePreviewWindow::changed()
{
    stale_ = true;
    if (!isVisible())
        return; // made when it is shown
    // Several changes of one action (a slot, a pattern) make one picture.
    timer_.start(waitsForPause() ? kPauseMs : 0);
}

void RealSizePreviewWindow::toggle()
{
    if (isVisible()) {
        hide();
        return;
    }
    if (!placed_)
        placeBesideOwner();
    show();
    raise();
}

void RealSizePreviewWindow::refresh()
{
    timer_.stop();
    QElapsedTimer clock;
    clock.start();
    source_.refresh();
    refreshMs_ = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    stale_ = false;
    ++refreshes_;
    update();
}

void RealSizePreviewWindow::paintEvent(QPaintEvent*)
{
    QElapsedTimer clock;
    clock.start();
    QPainter painter(this);
    render::paintRealSize(painter, QRectF(rect()), source_.scene(), render::RealSizeView{});
    costMs_ = refreshMs_ + static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

void RealSizePreviewWindow::showEvent(QShowEvent* event)
{
    if (stale_)
        refresh();
    QWidget::showEvent(event);
}

void RealSizePreviewWindow::placeBesideOwner()
{
    placed_ = true;
    const QWidget* owner = parentWidget();
    if (!owner)
        return;
    const QRect main = owner->frameGeometry();
    const QScreen* screen = owner->screen();
    const QRect room = screen ? screen->availableGeometry() : QRect();
    QPoint at(main.right() + 8, main.top());
    // No room on the right: the left, else over the main window's right edge.
    if (room.isValid() && at.x() + width() > room.right()) {
        at.setX(main.left() - 8 - frameGeometry().width());
        if (at.x() < room.left())
            at.setX(std::max(room.left(), room.right() - frameGeometry().width()));
    }
    move(at);
}

void RealSizePreviewWindow::remember(QSettings& settings) const
{
    settings.setValue(kOpenKey, isVisible());
    if (placed_)
        settings.setValue(kGeometryKey, saveGeometry());
}

void RealSizePreviewWindow::restore(QSettings& settings)
{
    const QByteArray geometry = settings.value(kGeometryKey).toByteArray();
    if (!geometry.isEmpty())
        placed_ = restoreGeometry(geometry);
    if (settings.value(kOpenKey, false).toBool() && !isVisible())
        toggle();
}

} // namespace tagler
