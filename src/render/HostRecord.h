#pragma once
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// One line of the exchange file as the host reads it back. Coordinates are
// drawing units as written; the read-in scale factor is applied later.
namespace tagler::render {

struct Point {
    double x = 0;
    double y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct LineRecord { // " x1 y1 x2 y2"
    Point from, to;
    friend bool operator==(const LineRecord&, const LineRecord&) = default;
};
struct CircleRecord { // "ci x y r"
    Point centre;
    double radius = 0;
    friend bool operator==(const CircleRecord&, const CircleRecord&) = default;
};
struct ArcRecord { // "ci x y r a0 a1 f t", degrees, counter-clockwise
    Point centre;
    double radius = 0, startDeg = 0, endDeg = 0, flatness = 1, tiltDeg = 0;
    friend bool operator==(const ArcRecord&, const ArcRecord&) = default;
};
enum class SolidKind { Disc, Segment, Sector, Outside };
struct SolidCircleRecord { // "sc x y r f t s w k", radians
    Point centre;
    double radius = 0, flatness = 1, tiltRad = 0, startRad = 0, sweepRad = 0;
    SolidKind kind = SolidKind::Disc;
    friend bool operator==(const SolidCircleRecord&, const SolidCircleRecord&) = default;
};
struct SolidPolygonRecord { // "sl" with three or four corners in ring order
    std::vector<Point> corners;
    friend bool operator==(const SolidPolygonRecord&, const SolidPolygonRecord&) = default;
};
struct ColorRecord { // "lc1".."lc8"
    int number = 1;
    friend bool operator==(const ColorRecord&, const ColorRecord&) = default;
};
struct FreeColorRecord { // "lc10 V", V = R + G*256 + B*65536
    unsigned rgb = 0;
    friend bool operator==(const FreeColorRecord&, const FreeColorRecord&) = default;
};
struct LineTypeRecord { // "lt1".."lt8"
    int number = 1;
    friend bool operator==(const LineTypeRecord&, const LineTypeRecord&) = default;
};
struct GroupRecord { // "lg" one hex digit
    int group = 0;
    friend bool operator==(const GroupRecord&, const GroupRecord&) = default;
};
struct LayerRecord { // "ly" one hex digit
    int layer = 0;
    friend bool operator==(const LayerRecord&, const LayerRecord&) = default;
};
struct ScaleFactorRecord { // "by V"
    double factor = 1;
    friend bool operator==(const ScaleFactorRecord&, const ScaleFactorRecord&) = default;
};
struct TextTypeRecord { // "cn1".."cn10"
    int number = 1;
    friend bool operator==(const TextTypeRecord&, const TextTypeRecord&) = default;
};
struct FreeTextSizeRecord { // "cn0 W H S C", mm on paper
    double width = 0, height = 0, spacing = 0;
    int color = 1;
    friend bool operator==(const FreeTextSizeRecord&, const FreeTextSizeRecord&) = default;
};
struct FontRecord {   // cn"$<name>  (">)" closes a font switch; a '/' marks italic)
    std::string name; // CP932
    bool italic = false;
    friend bool operator==(const FontRecord&, const FontRecord&) = default;
};
struct BasePointRecord { // "cc0".."cc8"
    int basePoint = 0;
    friend bool operator==(const BasePointRecord&, const BasePointRecord&) = default;
};
struct TextRecord { // ch x y dx dy "text
    Point origin;
    Point direction;  // its length is the text's length in drawing units
    std::string text; // CP932, markup kept as written
    friend bool operator==(const TextRecord&, const TextRecord&) = default;
};
struct CommentRecord {
    friend bool operator==(const CommentRecord&, const CommentRecord&) = default;
}; // "#..." and blank lines
struct UnknownRecord {
    std::string line;
    std::string reason;
    friend bool operator==(const UnknownRecord&, const UnknownRecord&) = default;
};

using HostRecord =
    std::variant<LineRecord, CircleRecord, ArcRecord, SolidCircleRecord, SolidPolygonRecord, ColorRecord,
                 FreeColorRecord, LineTypeRecord, GroupRecord, LayerRecord, ScaleFactorRecord, TextTypeRecord,
                 FreeTextSizeRecord, FontRecord, BasePointRecord, TextRecord, CommentRecord, UnknownRecord>;

// Never throws: a line the host would not understand becomes UnknownRecord.
HostRecord parseRecord(std::string_view line);

} // namespace tagler::render
