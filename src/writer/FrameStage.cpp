#include "writer/FrameStage.h"

#include "writer/BalloonFrame.h"
#include "writer/BoxFrame.h"
#include "writer/BracketFrame.h"
#include "writer/CloudFrame.h"
#include "writer/FrameBox.h"
#include "writer/LongRoundFrame.h"
#include "writer/TextModePlacement.h"
#include "writer/UnderlineFrame.h"
#include "writer/WriterState.h"

namespace tagler {

namespace {

// Box, bracket and the frames without an outline: the extension, then the attach shift.
FrameResults writeStraightFrame(WriterState& s, FrameResults r)
{
    if (s.frameTraits().extended)
        writeExtensionLine(s);
    const Point a = s.box.anchor();
    r.armEnd = !s.rotated() ? (s.layout.extendsRight ? a.x + s.scale : a.x - s.scale)
                            : (s.layout.extendsUp ? a.y + s.scale : a.y - s.scale);
    applyAttachShift(s);
    if (s.family() == FrameFamily::box)
        writeBoxFrame(s);
    else if (s.family() == FrameFamily::bracket)
        writeBracketFrame(s, r.armEnd);
    return r;
}

} // namespace

void runFrameStage(WriterState& s)
{
    s.box = FrameBox(s.layout.p2, computeFarCorner(s));
    std::optional<Point> textOrigin;
    if (s.modeTraits().textOnly)
        textOrigin = placeTextModeBox(s);
    drawFrame(s);
    s.frame.textOrigin = textOrigin;
}

void drawFrame(WriterState& s)
{
    FrameResults r = s.frame;
    switch (s.family()) {
    case FrameFamily::underline: s.frame = writeUnderlineFrame(s, r); return;
    case FrameFamily::longRound: s.frame = writeLongRoundFrame(s, r); return;
    case FrameFamily::balloon: writeBalloonFrame(s); break;
    case FrameFamily::cloud:
        // Outside text mode a cloud hangs beside the leader end and takes no shift.
        applyAttachShift(s);
        writeCloudFrame(s);
        break;
    case FrameFamily::none:
    case FrameFamily::box:
    case FrameFamily::bracket:
    case FrameFamily::curvedLeader: r = writeStraightFrame(s, r); break;
    }
    s.frame = r;
}

} // namespace tagler
