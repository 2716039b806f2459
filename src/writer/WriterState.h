#pragma once
#include "writer/OutputList.h"
#include "writer/WriterInput.h"

namespace tagler {

// The mutable geometry of one writer run; stages read and change it in order.
struct WriterState {
    WriterState(const WriterInput& input, OutputList& output);

    const WriterInput& in;
    OutputList& out;
    const TextBlockMetrics& m;
    AnnotationSettings settings; // working copy: the run may release tilt or reduce the frame type
    SessionMode mode;
    float scale;

    Point p1, p2, p3, p4;
    Point leaderEnd;
    double leaderDx, leaderDy;
    bool leaderVisible;

    int steepExtension = 0; // 1 rotated layout; -1 only when framing existing text
    bool extendsRight = false;
    bool extendsUp = false;
    bool leaderRunsLeft = false;
    bool leaderRunsDown = false;
    Point extensionVector;
    bool leaderOverText = false;
    bool leaderUnderText = false;
    bool verticalFont = false;
    bool sidePlacement = false;
    bool tiltReleased = false;

    Point farCorner; // the FrameBox's anchor is p2
    Point leaderStart;

    // Frame results the leader and the text read.
    float armEnd = 0;
    float straightEnd = 0;
    float roundRadius = 0;
    float roundCentre = 0;
    float underlineShift = 0;
    bool underlineShifted = false;
    Point connector;

    // Text mode places the text origin while it moves the box.
    bool textOriginPlaced = false;
    Point textOrigin;

    bool rotated() const { return steepExtension == 1; }
    bool tilted() const { return settings.tiltFrame; }
    int frameType() const { return settings.frameType; }
    bool framingExistingText() const
    {
        return mode == SessionMode::frameWrite1 || mode == SessionMode::frameWrite2;
    }
};

} // namespace tagler
