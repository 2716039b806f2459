#include "writer/LeaderStage.h"

#include "settings/TipSymbol.h"
#include "writer/ColourSelection.h"
#include "writer/CurvedLeader.h"
#include "writer/Records.h"
#include "writer/WriterState.h"

namespace tagler {

void runLeaderStage(WriterState& s)
{
    const FrameTraits& frame = s.frameTraits();
    // Text mode has no leader at all; balloons and clouds draw theirs as a tail.
    if (!s.frame.leaderVisible || !traits(tipSymbolAt(s.settings.tipSymbol)).drawsLeader || s.framingExistingText() ||
        s.modeTraits().textOnly || frame.drawsOwnLeader)
        return;
    appendLeaderColour(s);
    if (frame.curve != 0) {
        writeCurvedLeader(s);
        return;
    }
    Point start = s.leaderStart;
    if (s.modeTraits().bendsLeader) {
        s.out.append(lineRecord(start, s.layout.p4));
        start = s.layout.p4;
    }
    if (frame.family == FrameFamily::underline && s.frame.leaderOverText) {
        if (!s.rotated())
            s.out.append(lineRecord(Point{s.layout.leaderEnd.x, s.box.anchor().y}, s.frame.connector));
        else
            s.out.append(lineRecord(Point{s.box.anchor().x, s.layout.leaderEnd.y}, s.frame.connector));
        s.out.append(lineRecord(start, s.frame.connector));
        return;
    }
    s.out.append(lineRecord(start, s.layout.leaderEnd));
}

} // namespace tagler
