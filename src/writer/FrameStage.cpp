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

void runFrameStage(WriterState& s)
{
    s.sidePlacement = computeSidePlacement(s);
    s.farCorner = computeFarCorner(s);
    if (s.mode == SessionMode::textMode)
        placeTextModeBox(s);

    const int f = s.frameType();
    switch (f) {
    case 1: case 6:
        writeUnderlineFrame(s);
        return;
    case 3: case 8:
        writeLongRoundFrame(s);
        return;
    case 10:
        writeBalloonFrame(s);
        return;
    case 11: case 12:
        writeCloudFrame(s);
        return;
    default:
        break;
    }

    if (f >= 5 && f <= 9)
        writeExtensionLine(s);
    s.armEnd = !s.rotated() ? (s.extendsRight ? s.p2.x + s.scale : s.p2.x - s.scale)
                            : (s.extendsUp ? s.p2.y + s.scale : s.p2.y - s.scale);
    applyAttachShift(s);
    if (f == 2 || f == 7)
        writeBoxFrame(s);
    else if (f == 4 || f == 9)
        writeBracketFrame(s);
}

} // namespace tagler
