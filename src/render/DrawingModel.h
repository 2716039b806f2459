#pragma once
#include "base/LineFile.h"
#include "render/CurveGeometry.h"
#include "render/HostRecord.h"
#include "render/HostSheet.h"

#include <QColor>

#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// What the host would draw from a record list, in drawing units: the
// attribute records are already applied (colour, line type, read-in scale,
// group scale of text).
namespace tagler::render {

// Corners joined by straight lines, or an arc kept as its numbers and turned into points
// only when drawn, as finely as the picture needs.
using Outline = std::variant<std::vector<Point>, EllipseArc>;

struct Stroke {
    Outline points;
    bool closed = false;
    QColor color;
    int lineType = 1; // 1 solid .. 8
};

struct Fill {
    Outline outline;
    QColor color;
};

struct TextItem {
    Point corner;        // lower-left corner of the text's box
    double angleDeg = 0; // direction of writing, counter-clockwise from +x
    double length = 0;   // along the direction
    double height = 0;   // across it
    std::string text;    // CP932, host markup left as written
    std::string font;    // CP932
    bool italic = false;
    QColor color;
};

using Shape = std::variant<Stroke, Fill, TextItem>;

struct SkippedRecord {
    int lineNumber = 0; // 1-based
    std::string line;   // CP932
    std::string reason;
};

struct Drawing {
    // In record order. In blocks, not one array: a sheet of frames is read a record at a time,
    // and an array would be copied as it grows, three times its size at once.
    std::deque<Shape> shapes;
    std::vector<SkippedRecord> skipped;
};

struct Extent {
    double left = 0, bottom = 0, right = 0, top = 0;
    bool empty = true;
    void add(const Point& p);
    void add(const Extent& e);
};

// Line colours 1..8: a fixed palette of distinct colours that read on white.
QColor hostLineColor(int number);
// "lc10 V": V = R + G*256 + B*65536.
QColor hostFreeColor(unsigned value);

// firstLineNumber: what the skipped records call the first line, for records
// that follow a header in their file.
Drawing buildDrawing(const Lines& records, const HostSheet& sheet, int firstLineNumber = 1);

// The same a record at a time, so the records need not be held as lines.
class DrawingBuilder final {
public:
    explicit DrawingBuilder(const HostSheet& sheet, int firstLineNumber = 1);
    ~DrawingBuilder();
    DrawingBuilder(const DrawingBuilder&) = delete;
    DrawingBuilder& operator=(const DrawingBuilder&) = delete;
    void read(std::string_view record);
    Drawing take();

private:
    struct Reading;
    std::unique_ptr<Reading> reading_;
};

// Everything drawn, text boxes included.
Extent drawingExtent(const Drawing& drawing);

// The four corners of a text's box, counter-clockwise from the lower left.
std::vector<Point> textBox(const TextItem& text);

// The outline as points, an arc at the finest steps the picture takes.
std::vector<Point> outlinePoints(const Outline& outline);

// What the drawing holds in memory, its own size left out: the shapes, their points and texts.
std::size_t storedBytes(const Drawing& drawing);

} // namespace tagler::render
