#pragma once
#include "base/Number.h"

namespace tagler {

// Points, lengths and angles are held in single precision between steps;
// each formula is evaluated in double and stored back.
struct Point {
    float x = 0;
    float y = 0;
};

inline Point makePoint(double x, double y) { return Point{finite(x), finite(y)}; }

constexpr double kDegreesPerRadian = 57.29577951308232;

} // namespace tagler
