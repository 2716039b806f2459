#include "render/DrawingModel.h"

#include "render/CurveGeometry.h"

#include <cmath>
#include <numbers>

namespace tagler::render {
namespace {

constexpr double degree = std::numbers::pi / 180;

// The host's current attributes while it reads the records in order.
class Interpreter {
public:
    Interpreter(const HostSheet& sheet, Drawing& out)
        : sheet_(sheet), out_(out), group_(sheet.group), color_(hostLineColor(sheet.lineColor)),
          textType_(sheet.textType), freeText_(sheet.freeText), font_(sheet.font)
    {}

    void read(const HostRecord& record, int lineNumber, std::string_view line)
    {
        lineNumber_ = lineNumber;
        line_ = line;
        std::visit([this](const auto& r) { apply(r); }, record);
    }

private:
    Point scaled(const Point& p) const { return {p.x * factor_, p.y * factor_}; }

    void stroke(Outline points, bool closed = false)
    {
        out_.shapes.push_back(Stroke{std::move(points), closed, color_, lineType_});
    }
    void fill(Outline outline) { out_.shapes.push_back(Fill{std::move(outline), color_}); }
    void skip(const std::string& reason) { out_.skipped.push_back({lineNumber_, std::string(line_), reason}); }

    void apply(const LineRecord& r) { stroke(std::vector<Point>{scaled(r.from), scaled(r.to)}); }
    void apply(const CircleRecord& r)
    {
        stroke(EllipseArc{{scaled(r.centre), r.radius * factor_}, 0, 2 * std::numbers::pi}, true);
    }
    void apply(const ArcRecord& r)
    {
        Ellipse e{scaled(r.centre), r.radius * factor_, r.flatness, r.tiltDeg * degree};
        stroke(EllipseArc{e, r.startDeg * degree, arcSweepDegrees(r.startDeg, r.endDeg) * degree});
    }
    void apply(const SolidCircleRecord& r)
    {
        Ellipse e{scaled(r.centre), r.radius * factor_, r.flatness, r.tiltRad};
        switch (r.kind) {
        case SolidKind::Disc: fill(EllipseArc{e, 0, 2 * std::numbers::pi}); break;
        case SolidKind::Segment: fill(EllipseArc{e, r.startRad, r.sweepRad}); break; // the chord closes it
        case SolidKind::Sector: fill(EllipseArc{e, r.startRad, r.sweepRad, true}); break;
        case SolidKind::Outside: skip("outside solid is not drawn"); break;
        }
    }
    void apply(const SolidPolygonRecord& r)
    {
        std::vector<Point> corners;
        for (const Point& p : r.corners)
            corners.push_back(scaled(p));
        fill(std::move(corners));
    }
    void apply(const ColorRecord& r) { color_ = hostLineColor(r.number); }
    void apply(const FreeColorRecord& r) { color_ = hostFreeColor(r.rgb); }
    void apply(const LineTypeRecord& r) { lineType_ = r.number; }
    void apply(const GroupRecord& r) { group_ = r.group; }
    void apply(const LayerRecord&) {} // every layer is shown
    void apply(const ScaleFactorRecord& r) { factor_ = r.factor; }
    void apply(const TextTypeRecord& r)
    {
        textType_ = r.number;
        freeText_.reset();
    }
    void apply(const FreeTextSizeRecord& r) { freeText_ = r; }
    void apply(const FontRecord& r)
    {
        font_ = r.name;
        italic_ = r.italic;
    }
    void apply(const BasePointRecord& r) { basePoint_ = r.basePoint; }
    void apply(const CommentRecord&) {}
    void apply(const UnknownRecord& r) { skip(r.reason); }

    void apply(const TextRecord& r)
    {
        double groupScale = sheet_.groupScales.at(static_cast<std::size_t>(group_));
        TextType size = freeText_ ? TextType{freeText_->width, freeText_->height, freeText_->spacing, freeText_->color}
                                  : sheet_.type(textType_);
        TextItem text;
        text.height = size.height * groupScale;
        Point d = scaled(r.direction);
        if (std::hypot(d.x, d.y) > 0)
            text.angleDeg = std::atan2(d.y, d.x) / degree;
        // The text type sizes the text; the record's vector only gives its
        // direction (tilted records carry a unit vector, untilted ones the
        // block's width, which is longer than its shorter lines).
        double bytes = static_cast<double>(r.text.size());
        text.length = std::max(0.0, ((size.width + size.spacing) / 2 * bytes - size.spacing / 2) * groupScale);
        // The record's point is the base point the last "cc" chose.
        double a = text.angleDeg * degree;
        Point along{std::cos(a), std::sin(a)}, across{-along.y, along.x};
        double back = (basePoint_ % 3) * text.length / 2, down = (basePoint_ / 3) * text.height / 2;
        Point origin = scaled(r.origin);
        text.corner = {origin.x - along.x * back - across.x * down, origin.y - along.y * back - across.y * down};
        text.text = r.text;
        text.font = font_;
        text.italic = italic_;
        text.color = hostLineColor(size.color);
        out_.shapes.push_back(std::move(text));
    }

    const HostSheet& sheet_;
    Drawing& out_;
    int lineNumber_ = 0;
    std::string_view line_;

    int group_;
    double factor_ = 1;
    QColor color_;
    int lineType_ = 1;
    int textType_;
    std::optional<FreeTextSizeRecord> freeText_;
    std::string font_;
    bool italic_ = false;
    int basePoint_ = 0;
};

} // namespace

void Extent::add(const Point& p)
{
    if (empty) {
        left = right = p.x;
        bottom = top = p.y;
        empty = false;
        return;
    }
    left = std::min(left, p.x);
    right = std::max(right, p.x);
    bottom = std::min(bottom, p.y);
    top = std::max(top, p.y);
}

void Extent::add(const Extent& e)
{
    if (e.empty)
        return;
    add(Point{e.left, e.bottom});
    add(Point{e.right, e.top});
}

QColor hostLineColor(int number)
{
    static const QColor palette[8] = {
        QColor(0, 134, 179),   // 1 sea blue
        QColor(0, 0, 0),       // 2 black
        QColor(0, 140, 60),    // 3 green
        QColor(196, 132, 0),   // 4 amber
        QColor(200, 0, 150),   // 5 magenta
        QColor(30, 60, 220),   // 6 blue
        QColor(110, 110, 110), // 7 grey
        QColor(215, 30, 30),   // 8 red
    };
    if (number < 1 || number > 8)
        return palette[1];
    return palette[number - 1];
}

QColor hostFreeColor(unsigned value)
{
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

struct DrawingBuilder::Reading {
    Reading(const HostSheet& sheet, int firstLineNumber) : interpreter(sheet, drawing), lineNumber(firstLineNumber) {}
    Drawing drawing;
    Interpreter interpreter;
    int lineNumber;
};

DrawingBuilder::DrawingBuilder(const HostSheet& sheet, int firstLineNumber)
    : reading_(std::make_unique<Reading>(sheet, firstLineNumber))
{}

DrawingBuilder::~DrawingBuilder() = default;

void DrawingBuilder::read(std::string_view record)
{
    reading_->interpreter.read(parseRecord(record), reading_->lineNumber++, record);
}

Drawing DrawingBuilder::take() { return std::move(reading_->drawing); }

Drawing buildDrawing(const Lines& records, const HostSheet& sheet, int firstLineNumber)
{
    DrawingBuilder builder(sheet, firstLineNumber);
    for (const std::string& record : records)
        builder.read(record);
    return builder.take();
}

std::vector<Point> textBox(const TextItem& t)
{
    double a = t.angleDeg * degree;
    Point along{std::cos(a) * t.length, std::sin(a) * t.length};
    Point across{-std::sin(a) * t.height, std::cos(a) * t.height};
    Point c = t.corner;
    return {c,
            {c.x + along.x, c.y + along.y},
            {c.x + along.x + across.x, c.y + along.y + across.y},
            {c.x + across.x, c.y + across.y}};
}

std::vector<Point> outlinePoints(const Outline& outline)
{
    if (const auto* corners = std::get_if<std::vector<Point>>(&outline))
        return *corners;
    const EllipseArc& arc = std::get<EllipseArc>(outline);
    std::vector<Point> points = ellipseArc(arc.ellipse, arc.startRad, arc.sweepRad);
    if (arc.throughCentre)
        points.push_back(arc.ellipse.centre);
    return points;
}

namespace {

void addOutline(Extent& extent, const Outline& outline)
{
    if (const auto* corners = std::get_if<std::vector<Point>>(&outline)) {
        for (const Point& p : *corners)
            extent.add(p);
        return;
    }
    const EllipseArc& arc = std::get<EllipseArc>(outline);
    if (!extent.empty) {
        // Most arcs of a sheet lie well inside what is already in: the whole ellipse's box says so
        // without finding the arc's own.
        const Ellipse& e = arc.ellipse;
        const double r = std::fabs(e.radius) * std::max(1.0, std::fabs(e.flatness));
        if (e.centre.x - r >= extent.left && e.centre.x + r <= extent.right && e.centre.y - r >= extent.bottom &&
            e.centre.y + r <= extent.top)
            return;
    }
    Point low, high;
    arcBounds(arc, low, high);
    extent.add(low);
    extent.add(high);
}

std::size_t heapBytes(const Outline& outline)
{
    const auto* corners = std::get_if<std::vector<Point>>(&outline);
    return corners ? corners->capacity() * sizeof(Point) : 0;
}

std::size_t heapBytes(const std::string& text)
{
    // Short strings live inside the string itself.
    return text.capacity() > std::string().capacity() ? text.capacity() + 1 : 0;
}

} // namespace

Extent drawingExtent(const Drawing& drawing)
{
    Extent extent;
    for (const Shape& shape : drawing.shapes) {
        if (const auto* s = std::get_if<Stroke>(&shape))
            addOutline(extent, s->points);
        else if (const auto* f = std::get_if<Fill>(&shape))
            addOutline(extent, f->outline);
        else
            for (const Point& p : textBox(std::get<TextItem>(shape)))
                extent.add(p);
    }
    return extent;
}

std::size_t storedBytes(const Drawing& drawing)
{
    std::size_t bytes = drawing.shapes.size() * sizeof(Shape);
    for (const Shape& shape : drawing.shapes) {
        if (const auto* s = std::get_if<Stroke>(&shape))
            bytes += heapBytes(s->points);
        else if (const auto* f = std::get_if<Fill>(&shape))
            bytes += heapBytes(f->outline);
        else
            bytes += heapBytes(std::get<TextItem>(shape).text) + heapBytes(std::get<TextItem>(shape).font);
    }
    bytes += drawing.skipped.capacity() * sizeof(SkippedRecord);
    for (const SkippedRecord& s : drawing.skipped)
        bytes += heapBytes(s.line) + heapBytes(s.reason);
    return bytes;
}

} // namespace tagler::render
