#include "ui/RealSizePreviewWindow.h"

#include "app/Session.h"
#include "ui/ToolWindowPlace.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QWheelEvent>

#include <cmath>

namespace tagler {
namespace {

const char* const kOpenKey = "realSizePreview/open";
const char* const kGeometryKey = "realSizePreview/geometry";
const char* const kScreenKey = "realSizePreview/screen";

// The window frame's edges; before a window is first shown, those of the owner, decorated alike.
QMargins frameMargins(const QWidget& w, const QWidget& owner)
{
    const QWidget& framed = w.frameGeometry() != w.geometry() ? w : owner;
    const QRect f = framed.frameGeometry();
    const QRect g = framed.geometry();
    return QMargins(g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom());
}

QRect availableScreen(const QWidget& w)
{
    const QScreen* screen = w.screen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace

struct RealSizePreviewWindow::Made {
    RealSizePicture picture;
    QImage image;
    std::optional<render::DrawingView> view;
    render::Extent annotation;
    int viewChange = 0; // the view it was made for
};

RealSizePreviewWindow::RealSizePreviewWindow(const Session& session, QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      session_(session)
{
    setWindowTitle(QStringLiteral("実寸プレビュー"));
    setMinimumSize(240, 180);
    resize(520, 400);
    setAttribute(Qt::WA_OpaquePaintEvent);
    pictures_.setMaxThreadCount(1);
    // The edits of one action (a slot, a pattern, a text-book copy) make one picture.
    coalesce_.setSingleShot(true);
    coalesce_.setInterval(0);
    connect(&coalesce_, &QTimer::timeout, this, &RealSizePreviewWindow::makePicture);
}

RealSizePreviewWindow::~RealSizePreviewWindow() = default;

void RealSizePreviewWindow::changed()
{
    recordsStale_ = true;
    viewChanged();
}

void RealSizePreviewWindow::viewChanged()
{
    stale_ = true;
    if (isVisible())
        coalesce_.start();
}

void RealSizePreviewWindow::toggle()
{
    if (isVisible()) {
        hide();
        return;
    }
    placeOnOpening();
    show();
    raise();
}

void RealSizePreviewWindow::makePicture()
{
    if (making_ || !stale_ || !isVisible())
        return; // a picture being made is followed by one more when it is done
    making_ = true;
    stale_ = false;
    const qreal ratio = devicePixelRatioF();
    const QSize size = this->size();
    auto made = std::make_shared<Made>();
    made->viewChange = viewChanges_;
    render::RealSizeView view;
    view.zoomed = zoomed_;
    // A new view of the same records draws the scene on show again; only new records run the writer.
    std::optional<CompletionInputs> inputs;
    std::optional<RealSizePicture> kept;
    std::shared_ptr<const render::Drawing> dropped; // let go of on the pictures' thread: a sheet takes a while
    if (recordsStale_ || image_.isNull()) {
        inputs = completionInputs(session_);
        dropped = std::move(scene_.records);
    } else {
        kept = RealSizePicture{scene_, handOver_};
        made->annotation = annotation_;
    }
    recordsStale_ = false;
    pictures_.start([this, made, ratio, size, view, inputs = std::move(inputs), kept = std::move(kept),
                     handOver = handOver_, cache = selectionPixels_, dropped = std::move(dropped)]() mutable {
        dropped.reset();
        made->picture = kept ? *kept : makeRealSizePicture(*inputs, handOver);
        if (!kept)
            made->annotation = render::drawingExtent(*made->picture.scene.records);
        made->image = QImage(size * ratio, QImage::Format_RGB32);
        made->image.setDevicePixelRatio(ratio);
        QPainter painter(&made->image);
        made->view =
            render::paintRealSize(painter, QRectF(QPointF(0, 0), QSizeF(size)), made->picture.scene, view, cache.get());
        painter.end();
        QMetaObject::invokeMethod(
            this, [this, made] { pictureMade(made); }, Qt::QueuedConnection);
    });
}

void RealSizePreviewWindow::pictureMade(const std::shared_ptr<Made>& made)
{
    making_ = false;
    handOver_ = made->picture.handOver;
    scene_ = std::move(made->picture.scene);
    annotation_ = made->annotation;
    image_ = std::move(made->image);
    // Wheel turns and drags made meanwhile have moved on from the view it was made for.
    if (made->viewChange == viewChanges_)
        shownView_ = made->view;
    ++refreshes_;
    update();
    if (stale_)
        makePicture();
}

void RealSizePreviewWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (image_.isNull()) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    // A picture of another size stands in, scaled, until the new one is made.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(rect()), image_);
}

void RealSizePreviewWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ++viewChanges_;
    viewChanged();
}

void RealSizePreviewWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    coalesce_.start(); // a picture only if something changed while hidden
}

void RealSizePreviewWindow::moveTo(const render::ViewPlace& place)
{
    zoomed_ = place;
    // Wheel turns and drags before the next picture build on this one.
    shownView_ = render::DrawingView(place, render::drawingArea(QRectF(rect())));
    ++viewChanges_;
    viewChanged();
}

void RealSizePreviewWindow::showWhole()
{
    zoomed_.reset();
    ++viewChanges_;
    viewChanged();
}

void RealSizePreviewWindow::fitAnnotation()
{
    if (const auto place = render::annotationPlace(annotation_, QRectF(rect())))
        moveTo(*place);
}

void RealSizePreviewWindow::wheelEvent(QWheelEvent* event)
{
    const double steps = event->angleDelta().y() / 120.0;
    if (shownView_ && steps != 0)
        moveTo(render::zoomAbout(*shownView_, event->position(), std::pow(1.25, steps)));
    event->accept();
}

void RealSizePreviewWindow::mousePressEvent(QMouseEvent* event)
{
    dragFrom_ = event->position().toPoint();
    QWidget::mousePressEvent(event);
}

void RealSizePreviewWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & (Qt::LeftButton | Qt::MiddleButton)) || !shownView_)
        return;
    const QPoint at = event->position().toPoint();
    moveTo(render::panBy(*shownView_, at - dragFrom_));
    dragFrom_ = at;
}

void RealSizePreviewWindow::mouseDoubleClickEvent(QMouseEvent*) { showWhole(); }

void RealSizePreviewWindow::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    connect(menu.addAction(QStringLiteral("全体表示")), &QAction::triggered, this, &RealSizePreviewWindow::showWhole);
    connect(menu.addAction(QStringLiteral("注記に合わせる")), &QAction::triggered, this,
            &RealSizePreviewWindow::fitAnnotation);
    menu.exec(event->globalPos());
}

void RealSizePreviewWindow::placeOnOpening()
{
    const QWidget* owner = parentWidget();
    const QRect screen = owner ? availableScreen(*owner) : QRect();
    if (!owner || !screen.isValid())
        return;
    const QMargins m = frameMargins(*this, *owner);
    QRect keepClear;
    if (keepClear_)
        keepClear = QRect(keepClear_->mapToGlobal(QPoint(0, 0)), keepClear_->size());
    const std::optional<QRect> kept = placed_ ? std::optional<QRect>(geometry().marginsAdded(m)) : std::nullopt;
    const QRect frame = reopenToolWindow(
        kept, placedOn_, {owner->frameGeometry(), keepClear, screen, size().grownBy(m), minimumSize().grownBy(m), 8});
    if (!kept || frame != *kept)
        setGeometry(frame.marginsRemoved(m));
    placed_ = true;
    placedOn_ = screen;
}

void RealSizePreviewWindow::remember(QSettings& settings) const
{
    settings.setValue(kOpenKey, isVisible());
    if (placed_) {
        settings.setValue(kGeometryKey, saveGeometry());
        settings.setValue(kScreenKey, placedOn_);
    }
}

void RealSizePreviewWindow::restore(QSettings& settings)
{
    const QByteArray geometry = settings.value(kGeometryKey).toByteArray();
    if (!geometry.isEmpty())
        placed_ = restoreGeometry(geometry);
    placedOn_ = settings.value(kScreenKey).toRect();
    if (settings.value(kOpenKey, false).toBool() && !isVisible())
        toggle();
}

} // namespace tagler
