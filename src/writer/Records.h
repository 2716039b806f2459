#pragma once
#include "writer/Geometry.h"

#include <string>
#include <string_view>

namespace tagler {

// The text of each record form the host reads back.
std::string lineRecord(Point a, Point b);
std::string circleRecord(Point centre, float radius);
// An arc with its angle, flatness and tilt fields written as one literal tail,
// e.g. " 90 -90 1 0".
std::string arcRecord(Point centre, float radius, std::string_view literalTail);
// An arc whose tilt is computed: literal tail such as " 90 -90 1 " then the tilt.
std::string tiltedArcRecord(Point centre, float radius, std::string_view literalTail, float tilt);
std::string solidCircleRecord(Point centre, float radius, std::string_view literalTail);
std::string solidPolygonRecord(Point a, Point b, Point c);
std::string solidPolygonRecord(Point a, Point b, Point c, Point d);
std::string layerRecord(int listIndex); // "ly" + hex digit of (index - 1)
std::string groupRecord(int group);     // "lg" + hex digit
char hexDigit(int value);               // 0..15 → '0'..'f'

} // namespace tagler
