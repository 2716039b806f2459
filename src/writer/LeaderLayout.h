#pragma once
#include "settings/FrameType.h"
#include "writer/Geometry.h"

namespace tagler {

// Where the leader runs and how the text block lies, fixed once before any
// record is written; every stage after the leader geometry only reads it.
struct LeaderLayout {
    FrameType frame = FrameType::none; // text mode may have reduced it
    bool tilted = false;
    bool tiltReleased = false; // 枠傾斜 was on but point 3 gives no direction

    int steepExtension = 0; // 1 rotated layout; -1 only when framing existing text
    bool extendsRight = false;
    bool extendsUp = false;
    bool leaderRunsLeft = false;
    bool leaderRunsDown = false;
    bool verticalFont = false;
    bool sidePlacement = false;

    Point p1, p2, p3, p4;
    Point leaderEnd;
    Point extensionVector;
    bool leaderVisible = true;
    bool leaderOverText = false;
    bool leaderUnderText = false;
    bool reversedText = false; // a handed-over text running right to left
    // Turned to a handed-over text's own direction: one running straight up turns up, not down.
    bool turnsWithText = false;
    double textDx = 0, textDy = 0; // its direction as read, when it turns with it

    bool rotated() const { return steepExtension == 1; }
    const FrameTraits& frameTraits() const { return traits(frame); }
};

} // namespace tagler
