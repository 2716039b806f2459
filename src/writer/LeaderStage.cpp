#include "writer/LeaderStage.h"

#include "writer/ColourSelection.h"
#include "writer/CurvedLeader.h"
#include "writer/Records.h"
#include "writer/WriterState.h"

namespace tagler {

void runLeaderStage(WriterState& s)
{
    const int f = s.frameType();
    // Text mode has no leader at all; balloons and clouds draw theirs as a tail.
    if (!s.leaderVisible || s.settings.tipSymbol == 0 || s.framingExistingText() ||
        s.mode == SessionMode::textMode || (f >= 10 && f <= 12))
        return;
    appendLeaderColour(s);
    if (f == 13 || f == 14) {
        writeCurvedLeader(s);
        return;
    }
    Point start = s.leaderStart;
    if (s.mode == SessionMode::fourPoint) {
        s.out.append(lineRecord(start, s.p4));
        start = s.p4;
    }
    if ((f == 1 || f == 6) && s.leaderOverText) {
        if (!s.rotated())
            s.out.append(lineRecord(Point{s.leaderEnd.x, s.p2.y}, s.connector));
        else
            s.out.append(lineRecord(Point{s.p2.x, s.leaderEnd.y}, s.connector));
        s.out.append(lineRecord(start, s.connector));
        return;
    }
    s.out.append(lineRecord(start, s.leaderEnd));
}

} // namespace tagler
