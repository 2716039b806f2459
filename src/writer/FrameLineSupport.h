#pragma once
#include "writer/Records.h"
#include "writer/TiltRotation.h"
#include "writer/WriterState.h"

namespace tagler {

// Frames are laid out untilted around the anchor; with 枠傾斜 every point is
// turned about the leader end as the last step.
inline Point framePoint(const WriterState& s, Point p) { return s.tilted() ? tiltPoint(s, p) : p; }

inline void appendFrameLine(WriterState& s, Point a, Point b)
{
    s.out.append(lineRecord(framePoint(s, a), framePoint(s, b)));
}

} // namespace tagler
