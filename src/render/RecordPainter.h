#pragma once
#include "base/LineFile.h"
#include "render/DrawingModel.h"
#include "render/HostSheet.h"

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <memory>
#include <optional>
#include <span>

class QPainter;

// Paints what the host would draw into any rectangle of any QPainter, so a
// single picture, an SVG and a sheet of many tiles share one painter.
namespace tagler::render {

// Height of the caption strip under a drawing, in device pixels.
inline constexpr double captionStripHeight = 22;

// The named font first, then ＭＳ ゴシック, IPAGothic and Noto Sans CJK JP, each
// only when installed.
QFont hostFont(const std::string& cp932Name, bool italic = false);

// Maps drawing units (y up) onto the device (y down): the extent fitted into
// the area with a margin, centred.
// A view's scale and middle, kept while the drawing under it changes.
struct ViewPlace {
    double scale = 1; // device pixels per drawing unit
    Point centre;     // the drawing point at the middle of the area
};

class DrawingView {
public:
    DrawingView(const Extent& extent, const QRectF& area);
    DrawingView(const ViewPlace& place, const QRectF& area);
    QPointF map(const Point& p) const;
    QPolygonF map(const std::vector<Point>& points) const;
    Point unmap(const QPointF& device) const;
    double scale() const { return scale_; } // device pixels per drawing unit
    ViewPlace place() const { return {scale_, {midX_, midY_}}; }

private:
    double scale_ = 1, midX_ = 0, midY_ = 0;
    QPointF centre_;
};

// White background, the drawing fitted with a margin, y up, a thin cross at
// the origin when it is in view. A non-empty caption takes a strip at the
// bottom of target.
void paintDrawing(QPainter& painter, const QRectF& target, const Drawing& drawing, const QString& caption = {});

// A first layer that stays while the ones over it change (the texts the host handed over, under
// the frames being made): painted once with the white and the caption under it, and kept as
// pixels for as long as the view, the picture's size and the pen (thin past so many strokes in
// all layers) stay, so they are the pixels painting it afresh would give.
struct LayerCache {
    std::shared_ptr<const Drawing> layer;
    // Kept by paintLayers.
    std::optional<Extent> extent;
    QImage pixels;
    QRectF target;
    QString caption;
    bool thinPens = false;
    ViewPlace place;
};

// Several drawings in one view, each over the ones before, fitted with
// whatever else must stay in view, or at a place of their own. The view
// used, none when nothing was drawn. A cache holding the first layer paints it from its pixels.
std::optional<DrawingView> paintLayers(QPainter& painter, const QRectF& target, std::span<const Drawing* const> layers,
                                       const QString& caption = {}, const Extent& alsoInView = {},
                                       const std::optional<ViewPlace>& place = {}, LayerCache* cache = nullptr);

// The area of target the drawing takes, without the caption strip and the margin.
QRectF drawingArea(const QRectF& target, const QString& caption = {});

// Records (CP932 lines) as the host reads them back, painted into target.
// The drawing is returned so the caller can report skipped records.
Drawing renderRecords(QPainter& painter, const QRectF& target, const Lines& records, const HostSheet& sheet,
                      const QString& caption = {});

} // namespace tagler::render
