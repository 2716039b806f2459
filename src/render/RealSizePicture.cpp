#include "render/RealSizePicture.h"

#include "render/RecordPainter.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace tagler::render {
namespace {

const QColor markColour(214, 0, 110); // no pen colour of the host
const QColor messageColour(160, 0, 0);

void paintMessage(QPainter& painter, const QRectF& target, const QString& message)
{
    painter.save();
    painter.fillRect(target, Qt::white);
    QFont font = hostFont({});
    font.setPixelSize(15);
    painter.setFont(font);
    painter.setPen(messageColour);
    QString text = message;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    painter.drawText(target.adjusted(16, 16, -16, -16), Qt::AlignCenter | Qt::TextWordWrap, text);
    painter.restore();
}

void paintPointMarks(QPainter& painter, const DrawingView& view, const std::vector<PointMark>& points)
{
    QFont font = hostFont({});
    font.setPixelSize(12);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QPen(markColour, 1.2));
    painter.setBrush(Qt::NoBrush);
    for (const PointMark& p : points) {
        const QPointF at = view.map(p.at);
        painter.drawEllipse(at, 4.5, 4.5);
        painter.drawLine(at - QPointF(7, 0), at + QPointF(7, 0));
        painter.drawLine(at - QPointF(0, 7), at + QPointF(0, 7));
        painter.drawText(at + QPointF(6, 16), QString::number(p.number)); // below: leaders and texts run upwards
    }
}

void paintScaleBar(QPainter& painter, const QRectF& area, double pixelsPerUnit)
{
    if (!(pixelsPerUnit > 0) || !std::isfinite(pixelsPerUnit))
        return;
    const double length = scaleBarLength(area.width() / 4 / pixelsPerUnit);
    const double pixels = length * pixelsPerUnit;
    const QPointF left(area.left() + 10, area.bottom() - 10);
    const QPointF right = left + QPointF(pixels, 0);
    painter.setPen(QPen(QColor(60, 60, 60), 1.5));
    painter.drawLine(left, right);
    painter.drawLine(left, left - QPointF(0, 5));
    painter.drawLine(right, right - QPointF(0, 5));
    QFont font = hostFont({});
    font.setPixelSize(11);
    painter.setFont(font);
    painter.drawText(QRectF(left.x(), left.y() - 22, std::max(pixels, 80.0), 16), Qt::AlignLeft | Qt::AlignBottom,
                     QString::number(length, 'g', 6) + QStringLiteral(" mm"));
}

} // namespace

double scaleBarLength(double longest)
{
    const double power = std::pow(10.0, std::floor(std::log10(longest)));
    for (double step : {5.0, 2.0, 1.0})
        if (step * power <= longest)
            return step * power;
    return power;
}

ViewPlace zoomAbout(const DrawingView& view, const QPointF& device, double factor)
{
    const Point under = view.unmap(device);
    const ViewPlace now = view.place();
    return {now.scale * factor,
            {under.x + (now.centre.x - under.x) / factor, under.y + (now.centre.y - under.y) / factor}};
}

ViewPlace panBy(const DrawingView& view, const QPointF& delta)
{
    const ViewPlace now = view.place();
    return {now.scale, {now.centre.x - delta.x() / now.scale, now.centre.y + delta.y() / now.scale}};
}

std::optional<ViewPlace> annotationPlace(const RealSizeScene& scene, const QRectF& target)
{
    if (!scene.records)
        return std::nullopt;
    return annotationPlace(drawingExtent(*scene.records), target);
}

std::optional<ViewPlace> annotationPlace(const Extent& extent, const QRectF& target)
{
    if (extent.empty)
        return std::nullopt;
    return DrawingView(extent, drawingArea(target)).place();
}

std::optional<DrawingView> paintRealSize(QPainter& painter, const QRectF& target, const RealSizeScene& scene,
                                         const RealSizeView& view, LayerCache* cache)
{
    if (!scene.message.isEmpty()) {
        paintMessage(painter, target, scene.message);
        return std::nullopt;
    }
    Extent points;
    if (view.markPoints)
        for (const PointMark& p : scene.points)
            points.add(p.at);
    const Drawing none;
    const Drawing* layers[] = {scene.selection ? scene.selection.get() : &none,
                               scene.records ? scene.records.get() : &none};
    if (cache && cache->layer != scene.selection) {
        *cache = LayerCache();
        cache->layer = scene.selection;
    }
    const std::optional<DrawingView> drawn =
        paintLayers(painter, target, layers, view.caption, points, view.zoomed, scene.selection ? cache : nullptr);
    if (!drawn)
        return drawn;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (view.markPoints)
        paintPointMarks(painter, *drawn, scene.points);
    if (view.scaleBar) {
        QRectF area = target;
        if (!view.caption.isEmpty())
            area.setBottom(target.bottom() - captionStripHeight);
        paintScaleBar(painter, area, drawn->scale());
    }
    painter.restore();
    return drawn;
}

} // namespace tagler::render
