#include "render/RecordPainter.h"

#include "base/CodePage.h"
#include "render/CurveGeometry.h"

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

QPen strokePen(const Stroke& s, bool thin)
{
    QPen pen(s.color, thin ? 1 : penWidth);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::BevelJoin); // a round join costs a small arc at every vertex of a curve
    QList<qreal> dashes = dashPattern(s.lineType);
    if (!dashes.isEmpty())
        pen.setDashPattern(dashes);
    return pen;
}

// Chords of an arc stand off it by at most this many pixels.
constexpr double arcTolerance = 0.2;

// The outline on the device, into `points` (kept from shape to shape so a sheet of thousands
// allocates once). An arc gets as many points as its size on the device needs.
void mapOutline(const DrawingView& view, const Outline& outline, bool closed, QPolygonF& points)
{
    points.clear();
    if (const auto* corners = std::get_if<std::vector<Point>>(&outline)) {
        for (const Point& p : *corners)
            points << view.map(p);
        return;
    }
    const EllipseArc& arc = std::get<EllipseArc>(outline);
    const Ellipse& e = arc.ellipse;
    const double radiusPixels = std::fabs(e.radius) * std::max(1.0, std::fabs(e.flatness)) * view.scale();
    for (const Point& p : ellipseArc(e, arc.startRad, arc.sweepRad, stepsPerTurnFor(radiusPixels, arcTolerance)))
        points << view.map(p);
    if (arc.throughCentre)
        points << view.map(e.centre);
    else if (closed && points.size() > 2)
        points.removeLast(); // a whole ring ends where it began
}

// Points closer than a fraction of a pixel to the last one kept add nothing
// to the picture but the pen's joins between them are costly: a sheet of
// clouds seen whole is mostly such points. The ends are always kept.
void dropCrowdedPoints(QPolygonF& points)
{
    constexpr double minimumStep = 0.75;
    if (points.size() < 3)
        return;
    qsizetype kept = 1;
    for (qsizetype i = 1; i + 1 < points.size(); ++i) {
        const QPointF d = points[i] - points[kept - 1];
        if (std::fabs(d.x()) + std::fabs(d.y()) >= minimumStep)
            points[kept++] = points[i];
    }
    points[kept++] = points.back();
    points.resize(kept);
}

// The part of the drawing a view shows, in drawing units, with room for what a shape draws
// beyond its outline (the pen, a text's descent).
struct Visible {
    double left, bottom, right, top;
    bool meets(const Point& low, const Point& high) const
    {
        return high.x >= left && low.x <= right && high.y >= bottom && low.y <= top;
    }
};

Visible visibleArea(const DrawingView& view, const QRectF& area)
{
    const double room = 4 / view.scale();
    const Point a = view.unmap(area.topLeft()), b = view.unmap(area.bottomRight());
    return {std::min(a.x, b.x) - room, std::min(a.y, b.y) - room, std::max(a.x, b.x) + room, std::max(a.y, b.y) + room};
}

bool inView(const Visible& visible, const Outline& outline)
{
    Point low, high;
    if (const auto* corners = std::get_if<std::vector<Point>>(&outline)) {
        if (corners->empty())
            return false;
        low = high = corners->front();
        for (const Point& p : *corners) {
            low = {std::min(low.x, p.x), std::min(low.y, p.y)};
            high = {std::max(high.x, p.x), std::max(high.y, p.y)};
        }
    } else {
        // The whole ellipse's box: quicker than the arc's, and as good for leaving it out.
        const Ellipse& e = std::get<EllipseArc>(outline).ellipse;
        const double r = std::fabs(e.radius) * std::max(1.0, std::fabs(e.flatness));
        low = {e.centre.x - r, e.centre.y - r};
        high = {e.centre.x + r, e.centre.y + r};
    }
    return visible.meets(low, high);
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
    const double length = t.length * view.scale(), height = t.height * view.scale();
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

// Only what lies in view is drawn, and a pen is made only when the style changes: a sheet of
// framed texts is thousands of strokes in a handful of styles.
class ShapePainter {
public:
    ShapePainter(QPainter& painter, const DrawingView& view, const QRectF& area, bool thinPens)
        : painter_(painter), view_(view), visible_(visibleArea(view, area)), thin_(thinPens)
    {}

    void paint(const std::deque<Shape>& shapes)
    {
        for (const Shape& shape : shapes) {
            if (const auto* s = std::get_if<Stroke>(&shape))
                paint(*s);
            else if (const auto* f = std::get_if<Fill>(&shape))
                paint(*f);
            else
                paint(std::get<TextItem>(shape));
        }
    }

private:
    void paint(const Stroke& s)
    {
        if (!inView(visible_, s.points))
            return;
        mapOutline(view_, s.points, s.closed, points_);
        dropCrowdedPoints(points_);
        if (!pen_ || penColor_ != s.color || penLineType_ != s.lineType) {
            painter_.setPen(strokePen(s, thin_));
            pen_ = true;
            penColor_ = s.color;
            penLineType_ = s.lineType;
        }
        if (brush_) {
            painter_.setBrush(Qt::NoBrush);
            brush_ = false;
        }
        if (s.closed)
            painter_.drawPolygon(points_);
        else
            painter_.drawPolyline(points_);
    }

    void paint(const Fill& f)
    {
        if (!inView(visible_, f.outline))
            return;
        mapOutline(view_, f.outline, true, points_);
        dropCrowdedPoints(points_);
        // A hairline of the fill's own colour closes the seams between adjoining solids.
        painter_.setPen(QPen(f.color, 0.8));
        painter_.setBrush(f.color);
        pen_ = false;
        brush_ = true;
        brushColor_ = QColor(); // with the hairline pen: no text's box may take it as its own
        painter_.drawPolygon(points_);
    }

    void paint(const TextItem& t)
    {
        const double height = t.height * view_.scale();
        if (height < 0.5 || t.text.empty())
            return;
        const double reach = std::fabs(t.length) + std::fabs(t.height) * 2; // the box turned any way, and a slant
        if (!visible_.meets({t.corner.x - reach, t.corner.y - reach}, {t.corner.x + reach, t.corner.y + reach}))
            return;
        if (height >= greekedPixels) {
            paintText(painter_, view_, t, fonts_);
            pen_ = false;
            return;
        }
        // Too small to read: the text's box in its colour, as drawings show far-off text.
        QColor shade = t.color;
        shade.setAlpha(110);
        if (pen_ || !brush_ || brushColor_ != shade) {
            painter_.setPen(Qt::NoPen);
            painter_.setBrush(shade);
            pen_ = false;
            brush_ = true;
            brushColor_ = shade;
        }
        points_.clear();
        for (const Point& p : textBox(t))
            points_ << view_.map(p);
        painter_.drawPolygon(points_);
    }

    QPainter& painter_;
    const DrawingView& view_;
    const Visible visible_;
    const bool thin_;
    TextFonts fonts_;
    QPolygonF points_;
    bool pen_ = false;  // whether the painter's pen is a stroke's, of the colour and type below
    bool brush_ = true; // whether the painter may hold a brush, then of the colour below
    QColor penColor_;
    QColor brushColor_;
    int penLineType_ = 0;
};

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

namespace {

std::size_t strokeCount(const Drawing& drawing)
{
    return static_cast<std::size_t>(std::count_if(drawing.shapes.begin(), drawing.shapes.end(),
                                                  [](const Shape& s) { return std::holds_alternative<Stroke>(s); }));
}

// White, the caption, the origin cross, and a layer when one is given.
void paintBase(QPainter& painter, const QRectF& target, const QString& caption, const DrawingView& view,
               const Drawing* layer, bool thinPens)
{
    painter.fillRect(target, Qt::white);
    if (!caption.isEmpty())
        paintCaption(painter,
                     QRectF(target.left(), target.bottom() - captionStripHeight, target.width(), captionStripHeight),
                     caption);
    const QRectF area = drawingArea(target, caption);
    paintOriginCross(painter, view, area);
    if (layer)
        ShapePainter(painter, view, area, thinPens).paint(layer->shapes);
}

void setHints(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

// The base and the cache's layer from the cache's pixels, painted again only when what they
// show has moved.
void paintCachedBase(QPainter& painter, LayerCache& cache, const QRectF& target, const QString& caption,
                     const DrawingView& view, bool thinPens)
{
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    const ViewPlace place = view.place();
    const bool same = !cache.pixels.isNull() && cache.target == target && cache.caption == caption &&
                      cache.thinPens == thinPens && cache.place.scale == place.scale &&
                      cache.place.centre == place.centre && cache.pixels.devicePixelRatio() == ratio;
    if (!same) {
        const QSize size(static_cast<int>(std::ceil(target.width() * ratio)),
                         static_cast<int>(std::ceil(target.height() * ratio)));
        cache.pixels = QImage(size, QImage::Format_RGB32);
        cache.pixels.setDevicePixelRatio(ratio);
        QPainter pixels(&cache.pixels);
        setHints(pixels);
        pixels.translate(-target.topLeft());
        paintBase(pixels, target, caption, view, cache.layer.get(), thinPens);
        pixels.end();
        cache.target = target;
        cache.caption = caption;
        cache.thinPens = thinPens;
        cache.place = place;
    }
    painter.drawImage(target.topLeft(), cache.pixels);
}

} // namespace

std::optional<DrawingView> paintLayers(QPainter& painter, const QRectF& target, std::span<const Drawing* const> layers,
                                       const QString& caption, const Extent& alsoInView,
                                       const std::optional<ViewPlace>& place, LayerCache* cache)
{
    const bool cached = cache && cache->layer && !layers.empty() && layers.front() == cache->layer.get();
    painter.save();
    painter.setClipRect(target);
    setHints(painter);

    const QRectF area = drawingArea(target, caption);
    Extent extent = alsoInView;
    for (const Drawing* layer : layers) {
        if (cached && layer == cache->layer.get()) {
            if (!cache->extent)
                cache->extent = drawingExtent(*layer);
            extent.add(*cache->extent);
        } else {
            extent.add(drawingExtent(*layer));
        }
    }
    if (extent.empty) {
        painter.fillRect(target, Qt::white);
        if (!caption.isEmpty())
            paintCaption(
                painter,
                QRectF(target.left(), target.bottom() - captionStripHeight, target.width(), captionStripHeight),
                caption);
        painter.setPen(QColor(150, 150, 150));
        painter.drawText(area, Qt::AlignCenter, QStringLiteral("(nothing drawn)"));
        painter.restore();
        return std::nullopt;
    }
    const DrawingView view = place ? DrawingView(*place, area) : DrawingView(extent, area);
    std::size_t strokes = 0;
    for (const Drawing* layer : layers)
        strokes += strokeCount(*layer);
    const bool thinPens = strokes > thinPenStrokes;
    if (cached)
        paintCachedBase(painter, *cache, target, caption, view, thinPens);
    else
        paintBase(painter, target, caption, view, nullptr, thinPens);
    ShapePainter shapes(painter, view, area, thinPens);
    for (const Drawing* layer : layers.subspan(cached ? 1 : 0))
        shapes.paint(layer->shapes);
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
