#pragma once
#include "render/DrawingModel.h"
#include "render/RecordPainter.h"

#include <QRectF>
#include <QString>

#include <memory>
#include <vector>

class QPainter;

// The annotation at its real size: what the host would draw from the records
// completion would write, over the texts it handed over.
namespace tagler::render {

// A point the host indicated, marked over the drawing with its number.
struct PointMark {
    int number = 0;
    Point at; // drawing units
};

struct RealSizeScene {
    std::shared_ptr<const Drawing> selection; // the handed-over records, still in the host's drawing; may be none
    std::shared_ptr<const Drawing> records;   // what completion would write; may be none
    std::vector<PointMark> points;
    QString message; // shown in place of the drawing when not empty
};

struct RealSizeView {
    bool markPoints = true;
    bool scaleBar = true;
    QString caption;                 // a strip under the drawing, as the stand-in host writes its file name
    std::optional<ViewPlace> zoomed; // none: the whole drawing fitted
};

// The same pixels as the stand-in host's picture of the same records when
// neither points nor scale bar are asked for. The view used, none when nothing was drawn.
// A cache keeps the handed-over texts as pixels from one picture to the next.
std::optional<DrawingView> paintRealSize(QPainter& painter, const QRectF& target, const RealSizeScene& scene,
                                         const RealSizeView& view, LayerCache* cache = nullptr);

// The wheel about a device point: the drawing point under it stays there.
ViewPlace zoomAbout(const DrawingView& view, const QPointF& device, double factor);
// A drag by delta device pixels moves the drawing with the mouse.
ViewPlace panBy(const DrawingView& view, const QPointF& delta);
// The records completion would write (in T2/T3 the frames), filling target.
std::optional<ViewPlace> annotationPlace(const RealSizeScene& scene, const QRectF& target);
// The same from their extent.
std::optional<ViewPlace> annotationPlace(const Extent& records, const QRectF& target);

// 1, 2 or 5 times a power of ten, the longest not over `longest` (> 0).
double scaleBarLength(double longest);

} // namespace tagler::render
