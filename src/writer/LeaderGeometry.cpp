#include "writer/LeaderGeometry.h"

#include "base/Number.h"
#include "base/PortableMath.h"
#include "writer/TiltRotation.h"

#include <cmath>

namespace tagler {

namespace {

double roundTo10Decimals(double v) { return std::round(v * 1e10) / 1e10; }

void applyFixedLength(const WriterInput& in, LeaderLayout& l)
{
    const bool four = traits(in.mode).bendsLeader;
    Point end = four ? l.p4 : l.p2;
    double vx = double(end.x) - l.p1.x;
    double vy = double(end.y) - l.p1.y;
    double n = roundTo10Decimals(std::sqrt(vx * vx + vy * vy));
    double k = divide(parseDecimal(in.settings.rememberedLeaderLength) * in.scale, n);
    double sx = vx - vx * k;
    double sy = vy - vy * k;
    if (four) {
        l.p4 = makePoint(l.p4.x - sx, l.p4.y - sy);
    } else {
        l.p2 = makePoint(l.p2.x - sx, l.p2.y - sy);
        l.p3 = makePoint(l.p3.x - sx, l.p3.y - sy);
    }
}

void normalisePoint3(const WriterInput& in, LeaderLayout& l)
{
    double e = in.settings.extensionLengthMode == 1 ? double(in.settings.extensionLength) * in.scale
                                                    : pmath::hypot(double(l.p3.x) - l.p2.x, double(l.p3.y) - l.p2.y);
    if (l.tilted) {
        double a = tiltAngles(l, l.p2, l.p3).writingAngle;
        if (double(l.p2.x) - l.p3.x > 0)
            a += 180;
        double r = a / kDegreesPerRadian;
        l.p3 = makePoint(l.p2.x + e * pmath::cos(r), l.p2.y + e * pmath::sin(r));
    } else if (!l.rotated()) {
        l.p3.x = finite(l.extendsRight ? l.p2.x + e : l.p2.x - e);
    } else {
        l.p3.y = finite(l.extendsUp ? l.p2.y + e : l.p2.y - e);
    }
    if (!l.rotated())
        l.extensionVector = makePoint(l.extendsRight ? e : -e, 0);
    else
        l.extensionVector = makePoint(0, l.extendsUp ? e : -e);
}

void decideLeaderOverText(LeaderLayout& l)
{
    l.leaderOverText = l.leaderUnderText = false;
    if (!l.leaderVisible)
        return;
    if (!l.rotated()) {
        if (!l.tilted && l.leaderRunsLeft == l.extendsRight) {
            l.leaderOverText = l.leaderRunsDown;
            l.leaderUnderText = !l.leaderRunsDown;
        }
    } else if (l.leaderRunsDown == l.extendsUp) {
        l.leaderOverText = !l.leaderRunsLeft;
        l.leaderUnderText = l.leaderRunsLeft;
    }
}

// Whether the box hangs beside the leader end instead of along the extension.
bool hangsBesideLeader(SessionMode mode, const LeaderLayout& l)
{
    if (traits(mode).textOnly)
        return false;
    const FrameTraits& t = l.frameTraits();
    switch (t.sidePlacement) {
    case SidePlacement::never: return false;
    case SidePlacement::always: return true;
    case SidePlacement::whenLeaderRunsBack: break;
    }
    if (l.tilted)
        return false;
    if (!l.rotated())
        return l.leaderRunsLeft == l.extendsRight;
    return l.leaderRunsDown == l.extendsUp;
}

// Text mode has no leader: the box extends towards point 3, and some frames keep one side.
void orientTextModeBox(LeaderLayout& l)
{
    l.extendsRight = l.p3.x > l.p2.x;
    l.extendsUp = l.p3.y > l.p2.y;
    if (!l.rotated())
        return;
    const FrameFamily family = l.frameTraits().family;
    if (family == FrameFamily::longRound) {
        l.leaderRunsLeft = true;
        l.leaderRunsDown = false;
    }
    if (family == FrameFamily::cloud)
        l.leaderRunsLeft = true;
}

} // namespace

LeaderLayout initialLayout(const WriterInput& in)
{
    LeaderLayout l;
    l.frame = frameTypeAt(in.settings.frameType);
    l.tilted = in.settings.tiltFrame;
    l.p1 = in.point1;
    l.p2 = in.point2;
    l.p3 = in.point3;
    l.p4 = in.point4;
    l.leaderEnd = in.point2;
    l.leaderVisible = in.leaderVisible;
    const std::string& font = in.settings.chosenFontName;
    l.verticalFont = in.settings.fontSwitch != 0 && !font.empty() && font[0] == '@';
    return l;
}

void computeLeaderLayout(const WriterInput& in, LeaderLayout& l)
{
    l = initialLayout(in);
    const SessionMode mode = in.mode;
    l.steepExtension = std::fabs(double(l.p3.x) - l.p2.x) < std::fabs(double(l.p3.y) - l.p2.y) ? 1 : 0;

    // A length of 0 is none remembered (「設定登録」 clears it): fixing the
    // leader to it would pull the whole annotation onto point 1.
    if (in.settings.fixedLeaderLength && traits(mode).drawsLeader &&
        parseDecimal(in.settings.rememberedLeaderLength) != 0)
        applyFixedLength(in, l);
    l.leaderEnd = l.p2;

    if ((traits(mode).drawsLeader || traits(mode).textOnly) && l.p3.x == l.p2.x && l.tilted) {
        l.tilted = false;
        l.tiltReleased = true;
    }

    l.extendsUp = l.p2.y < l.p3.y;
    l.extendsRight = l.p2.x < l.p3.x;
    l.leaderRunsLeft = l.p2.x < l.p1.x;
    l.leaderRunsDown = l.p2.y < l.p1.y;

    if (traits(mode).textOnly)
        l.frame = l.frameTraits().inTextMode;

    const FrameTraits& t = l.frameTraits();
    if (l.tilted && t.tiltKeepsHorizontal && !l.verticalFont)
        l.steepExtension = 0;
    if (traits(mode).textOnly && l.tilted && t.tiltKeepsHorizontalInTextMode)
        l.steepExtension = 0;

    normalisePoint3(in, l);
    decideLeaderOverText(l);
    l.sidePlacement = hangsBesideLeader(mode, l);
    if (traits(mode).textOnly)
        orientTextModeBox(l);
}

} // namespace tagler
