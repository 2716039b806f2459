#pragma once
#include "ui/RealSizeSource.h"

#include <QImage>
#include <QThreadPool>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>

class QSettings;

namespace tagler {

class Session;

// 「実寸プレビュー」: a tool window beside the main window showing what
// 「入力完了」 would hand the host now, made again on every change. Pictures
// are made on a thread of their own, one at a time, so a sheet of framed
// texts never holds up typing: changes made meanwhile make one more picture.
class RealSizePreviewWindow final : public QWidget {
    Q_OBJECT
public:
    RealSizePreviewWindow(const Session& session, QWidget* owner);
    ~RealSizePreviewWindow() override;

    // Something the picture depends on may have changed.
    void changed();
    void toggle();
    // A control of the main window the preview never covers when placed.
    void setKeepClear(const QWidget* control) { keepClear_ = control; }

    // Whether it was open and where, in the program's own settings.
    void remember(QSettings& settings) const;
    void restore(QSettings& settings);

    // Zoom and pan: none is the whole drawing.
    const std::optional<render::ViewPlace>& zoomed() const { return zoomed_; }
    void showWhole();
    void fitAnnotation();

    // The picture on show (without records while the next is made) and how many have been made.
    const render::RealSizeScene& scene() const { return scene_; }
    int refreshCount() const { return refreshes_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    struct Made;
    void makePicture();
    void pictureMade(const std::shared_ptr<Made>& made);
    // Within the owner's screen every time it opens; beside the owner unless kept (reopenToolWindow).
    void placeOnOpening();
    void moveTo(const render::ViewPlace& place);
    void viewChanged();

    const Session& session_;
    const QWidget* keepClear_ = nullptr;
    std::shared_ptr<const HandOverPicture> handOver_;
    render::RealSizeScene scene_; // without records while new ones are made: one sheet's records at a time
    render::Extent annotation_;   // of the records last made, for 「注記に合わせる」
    QImage image_;
    // Used by one picture at a time, on the pictures' thread.
    std::shared_ptr<render::LayerCache> selectionPixels_ = std::make_shared<render::LayerCache>();
    std::optional<render::ViewPlace> zoomed_;
    std::optional<render::DrawingView> shownView_; // how the picture on show maps the drawing
    QPoint dragFrom_;
    QTimer coalesce_;
    bool stale_ = true;
    bool recordsStale_ = true; // else only the view changed: the scene on show is drawn again
    int viewChanges_ = 0;
    bool making_ = false;
    bool placed_ = false;
    QRect placedOn_; // the available screen it was placed on
    int refreshes_ = 0;
    // Last: it is destroyed first, and waits for a picture being made.
    QThreadPool pictures_;
};

} // namespace tagler
