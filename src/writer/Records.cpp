#include "writer/Records.h"

#include "base/Error.h"

namespace tagler {

namespace {
std::string xy(Point p) { return formatNumber(p.x) + " " + formatNumber(p.y); }
} // namespace

std::string lineRecord(Point a, Point b) { return " " + xy(a) + " " + xy(b); }

std::string circleRecord(Point c, float r) { return "ci " + xy(c) + " " + formatNumber(r); }

std::string arcRecord(Point c, float r, std::string_view tail) { return circleRecord(c, r) + std::string(tail); }

std::string tiltedArcRecord(Point c, float r, std::string_view tail, float tilt)
{
    return circleRecord(c, r) + std::string(tail) + formatNumber(tilt);
}

std::string solidCircleRecord(Point c, float r, std::string_view tail)
{
    return "sc " + xy(c) + " " + formatNumber(r) + std::string(tail);
}

std::string solidPolygonRecord(Point a, Point b, Point c) { return "sl " + xy(a) + " " + xy(b) + " " + xy(c); }

std::string solidPolygonRecord(Point a, Point b, Point c, Point d) { return solidPolygonRecord(a, b, c) + " " + xy(d); }

char hexDigit(int value)
{
    if (value < 0 || value > 15)
        fail(ErrorKind::Range, "group or layer out of range");
    return "0123456789abcdef"[value];
}

std::string layerRecord(int listIndex) { return std::string("ly") + hexDigit(listIndex - 1); }
std::string groupRecord(int group) { return std::string("lg") + hexDigit(group); }

} // namespace tagler
