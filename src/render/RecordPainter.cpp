#include "render/RecordPainter.h"

#include "base/CodePage.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <map>

namespace tagler::render {
namespace {

constexpr double penWidth = 1.5;
// Glyphs are laid out at this size and scaled onto the text's box.
constexpr double layoutPixels = 100;
// Share of the em box below the baseline in the usual Japanese fonts.
constexpr double descentShare = 0.12;
// Past this many strokes in a picture every line is drawn with the thin
// pen's quick path: a wide pen's outline costs more than the rest of a
// sheet of thousands of frames.
constexpr std::size_t thinPenStrokes = 2000;
// Text less tall than this on the device is shown as its box.
constexpr double greekedPixels = 3;

} // namespace

DrawingView::DrawingView(const Extent& extent, const QRectF& area)
{
    double w = extent.right - extent.left, h = extent.top - extent.bottom;
    double size = std::max({w, h, 1e-9});
    double margin = size * 0.06;
    double viewW = std::max(w, size * 1e-3) + 2 * margin, viewH = std::max(h, size * 1e-3) + 2 * margin;
    scale_ = std::min(area.width() / viewW, area.height() / viewH);
    midX_ = (extent.left + extent.right) / 2;
    midY_ = (extent.bottom + extent.top) / 2;
    centre_ = area.center();
}

DrawingView::DrawingView(const ViewPlace& place, const QRectF& area)
    : scale_(place.scale), midX_(place.centre.x), midY_(place.centre.y), centre_(area.center())
{}

Point DrawingView::unmap(const QPointF& device) const
{
    return {midX_ + (device.x() - centre_.x()) / scale_, midY_ - (device.y() - centre_.y()) / scale_};
}

QPointF DrawingView::map(const Point& p) const
{
    return {centre_.x() + (p.x - midX_) * scale_, centre_.y() - (p.y - midY_) * scale_};
}

QPolygonF DrawingView::map(const std::vector<Point>& points) const
{
    QPolygonF polygon;
    for (const Point& p : points)
        polygon << map(p);
    return polygon;
}

namespace {

// Dotted and chain patterns for line types 2..8, in pen widths.
QList<qreal> dashPattern(int lineType)
{
    switch (lineType) {
    case 2: return {3, 3};
    case 3: return {1, 3};
    case 4: return {6, 3};
    case 5: return {12, 3, 2, 3};
    case 6: return {20, 4, 3, 4};
    case 7: return {12, 3, 2, 3, 2, 3};
    case 8: return {20, 4, 3, 4, 3, 4};
    default: return {};
    }
}

QPen strokePen(const Stroke& s)
{
    QPen pen(s.color, penWidth);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::BevelJoin); // a round join costs a small arc at every vertex of a curve
    QList<qreal> dashes = dashPattern(s.lineType);
    if (!dashes.isEmpty())
        pen.setDashPattern(dashes);
    return pen;
}

// Points closer than a fraction of a pixel to the last one kept add nothing
// to the picture but the pen's joins between them are costly: a sheet of
// clouds seen whole is mostly such points. The ends are always kept.
QPolygonF withoutCrowdedPoints(const QPolygonF& points)
{
    constexpr double minimumStep = 0.75;
    if (points.size() < 3)
        return points;
    QPolygonF kept;
    kept.reserve(points.size());
    kept << points.front();
    for (qsizetype i = 1; i + 1 < points.size(); ++i) {
        const QPointF d = points[i] - kept.back();
        if (std::fabs(d.x()) + std::fabs(d.y()) >= minimumStep)
            kept << points[i];
    }
    kept << points.back();
    return kept;
}

// Fonts looked up once a picture: finding a font costs more than drawing
// a short text, and a sheet of selected texts uses a handful of fonts.
class TextFonts {
public:
    struct Entry {
        QFont font;
        QFontMetricsF metrics;
    };
    const Entry& at(const std::string& name, bool italic)
    {
        auto found = fonts_.find({name, italic});
        if (found != fonts_.end())
            return found->second;
        QFont font = hostFont(name, italic);
        font.setPixelSize(static_cast<int>(layoutPixels));
        return fonts_.emplace(std::pair(name, italic), Entry{font, QFontMetricsF(font)}).first->second;
    }

private:
    std::map<std::pair<std::string, bool>, Entry> fonts_;
};

void paintText(QPainter& painter, const DrawingView& view, const TextItem& t, TextFonts& fonts)
{
    double length = t.length * view.scale(), height = t.height * view.scale();
    if (height < 0.5 || t.text.empty())
        return;
    if (height < greekedPixels) {
        // Too small to read: the text's box in its colour, as drawings show far-off text.
        QColor shade = t.color;
        shade.setAlpha(110);
        painter.setPen(Qt::NoPen);
        painter.setBrush(shade);
        painter.drawPolygon(view.map(textBox(t)));
        return;
    }
    const QString text = fromCp932(t.text);
    const TextFonts::Entry& font = fonts.at(t.font, t.italic);
    double advance = font.metrics.horizontalAdvance(text);
    if (advance <= 0)
        return;
    painter.save();
    painter.translate(view.map(t.corner));
    painter.rotate(-t.angleDeg); // y is flipped on the device
    painter.scale(length > 0 ? length / advance : height / layoutPixels, height / layoutPixels);
    painter.setFont(font.font);
    painter.setPen(t.color);
    painter.drawText(QPointF(0, -layoutPixels * descentShare), text);
    painter.restore();
}

void paintOriginCross(QPainter& painter, const DrawingView& view, const QRectF& area)
{
    QPointF o = view.map({0, 0});
    if (!area.contains(o))
        return;
    painter.setPen(QPen(QColor(200, 200, 200), 1));
    painter.drawLine(QPointF(o.x() - 8, o.y()), QPointF(o.x() + 8, o.y()));
    painter.drawLine(QPointF(o.x(), o.y() - 8), QPointF(o.x(), o.y() + 8));
}

void paintCaption(QPainter& painter, const QRectF& strip, const QString& caption)
{
    QFont font = hostFont({});
    font.setPixelSize(13);
    painter.setFont(font);
    painter.setPen(QColor(70, 70, 70));
    QString shown = QFontMetricsF(font).elidedText(caption, Qt::ElideMiddle, strip.width() - 8);
    painter.drawText(strip.adjusted(4, 0, -4, 0), Qt::AlignCenter, shown);
}

void paintShapes(QPainter& painter, const DrawingView& view, const std::vector<Shape>& shapes, TextFonts& fonts,
                 bool thinPens)
{
    for (const Shape& shape : shapes) {
        if (const auto* s = std::get_if<Stroke>(&shape)) {
            const QPolygonF points = withoutCrowdedPoints(view.map(s->points));
            QPen pen = strokePen(*s);
            if (thinPens)
                pen.setWidthF(1);
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            if (s->closed)
                painter.drawPolygon(points);
            else
                painter.drawPolyline(points);
        } else if (const auto* f = std::get_if<Fill>(&shape)) {
            // A hairline of the fill's own colour closes the seams between adjoining solids.
            painter.setPen(QPen(f->color, 0.8));
            painter.setBrush(f->color);
            painter.drawPolygon(withoutCrowdedPoints(view.map(f->outline)));
        } else {
            paintText(painter, view, std::get<TextItem>(shape), fonts);
        }
    }
}

} // namespace

QFont hostFont(const std::string& cp932Name, bool italic)
{
    QStringList wanted;
    if (!cp932Name.empty())
        wanted << fromCp932(cp932Name);
    wanted << QString::fromUtf8("ＭＳ ゴシック") << QStringLiteral("IPAGothic") << QStringLiteral("Noto Sans CJK JP");
    // Only installed names: an SVG names just the first family, and its viewer
    // has no fall-back list.
    QStringList families;
    for (const QString& name : wanted)
        if (QFontDatabase::hasFamily(name) && !families.contains(name))
            families << name;
    QFont font;
    if (!families.isEmpty())
        font.setFamilies(families);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void paintDrawing(QPainter& painter, const QRectF& target, const Drawing& drawing, const QString& caption)
{
    const Drawing* layers[] = {&drawing};
    paintLayers(painter, target, layers, caption);
}

QRectF drawingArea(const QRectF& target, const QString& caption)
{
    QRectF area = target;
    if (!caption.isEmpty())
        area.setBottom(target.bottom() - captionStripHeight);
    return area.adjusted(4, 4, -4, -4);
}

std::optional<DrawingView> paintLayers(QPainter& painter, const QRectF& target, std::span<const Drawing* const> layers,
                                       const QString& caption, const Extent& alsoInView,
                                       const std::optional<ViewPlace>& place)
{
    painter.save();
    painter.setClipRect(target);
    painter.fillRect(target, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const QRectF area = drawingArea(target, caption);
    if (!caption.isEmpty())
        paintCaption(painter,
                     QRectF(target.left(), target.bottom() - captionStripHeight, target.width(), captionStripHeight),
                     caption);

    Extent extent = alsoInView;
    for (const Drawing* layer : layers)
        extent.add(drawingExtent(*layer));
    if (extent.empty) {
        painter.setPen(QColor(150, 150, 150));
        painter.drawText(area, Qt::AlignCenter, QStringLiteral("(nothing drawn)"));
        painter.restore();
        return std::nullopt;
    }
    const DrawingView view = place ? DrawingView(*place, area) : DrawingView(extent, area);
    paintOriginCross(painter, view, area);
    TextFonts fonts;
    std::size_t strokes = 0;
    for (const Drawing* layer : layers)
        strokes +=
            static_cast<std::size_t>(std::count_if(layer->shapes.begin(), layer->shapes.end(),
                                                   [](const Shape& s) { return std::holds_alternative<Stroke>(s); }));
    for (const Drawing* layer : layers)
        paintShapes(painter, view, layer->shapes, fonts, strokes > thinPenStrokes);
    painter.restore();
    return view;
}

Drawing renderRecords(QPainter& painter, const QRectF& target, const Lines& records, const HostSheet& sheet,
                      const QString& caption)
{
    Drawing drawing = buildDrawing(records, sheet);
    paintDrawing(painter, target, drawing, caption);
    return drawing;
}

} // namespace tagler::render
