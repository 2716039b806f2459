#pragma once
#include "base/Clock.h"
#include "writer/FrameBox.h"
#include "writer/LeaderLayout.h"
#include "writer/OutputList.h"
#include "writer/WriterInput.h"

#include <optional>

namespace tagler {

// What the frame stage found that the leader and the text read.
struct FrameResults {
    bool leaderVisible = true;   // an underline may hide a leader that would cross its text
    bool leaderOverText = false; // or let it reach the text without crossing it
    float armEnd = 0;
    float straightEnd = 0;
    float roundRadius = 0;
    float roundCentre = 0;
    float underlineShift = 0;
    bool underlineShifted = false;
    Point connector;
    std::optional<Point> textOrigin; // text mode places the origin while it moves the box
};

// One writer run: the input, the fixed layout, the box the frame stage moves
// and what each stage hands on to the next.
struct WriterState {
    WriterState(const WriterInput& input, const LeaderLayout& layout, const Clock& clock, OutputList& output);
    // Around existing text the block is the handed-over text, not the input box.
    WriterState(const WriterInput& input, const LeaderLayout& layout, const Clock& clock, OutputList& output,
                const TextBlockMetrics& metrics);

    const WriterInput& in;
    const Clock& clock; // date lines
    OutputList& out;
    const TextBlockMetrics& m;
    const AnnotationSettings& settings; // the frame and the tilt in force are the layout's
    const LeaderLayout& layout;
    SessionMode mode;
    float scale;

    FrameBox box;
    FrameResults frame;
    Point leaderStart; // where the tip symbol hands over to the leader

    bool rotated() const { return layout.rotated(); }
    bool tilted() const { return layout.tilted; }
    FrameType frameType() const { return layout.frame; }
    const FrameTraits& frameTraits() const { return layout.frameTraits(); }
    FrameFamily family() const { return layout.frameTraits().family; }
    bool framingExistingText() const { return traits(mode).framesExistingText; }
    const SessionModeTraits& modeTraits() const { return traits(mode); }
};

} // namespace tagler
