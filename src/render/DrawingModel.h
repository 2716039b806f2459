#pragma once
#include "base/LineFile.h"
#include "render/HostRecord.h"
#include "render/HostSheet.h"

#include <QColor>

#include <string>
#include <variant>
#include <vector>

// What the host would draw from a record list, in drawing units: the
// attribute records are already applied (colour, line type, read-in scale,
// group scale of text).
namespace tagler::render {

struct Stroke {
    std::vector<Point> points;
    bool closed = false;
    QColor color;
    int lineType = 1; // 1 solid .. 8
};

struct Fill {
    std::vector<Point> outline;
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
    std::vector<Shape> shapes; // in record order
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

// Everything drawn, text boxes included.
Extent drawingExtent(const Drawing& drawing);

// The four corners of a text's box, counter-clockwise from the lower left.
std::vector<Point> textBox(const TextItem& text);

} // namespace tagler::render
