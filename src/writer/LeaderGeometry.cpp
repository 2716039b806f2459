#include "writer/LeaderGeometry.h"

#include "base/Number.h"
#include "writer/TiltRotation.h"
#include "writer/WriterState.h"

#include <cmath>

namespace tagler {

namespace {

bool drawsLeader(SessionMode mode) { return mode == SessionMode::normal || mode == SessionMode::fourPoint; }

double roundTo10Decimals(double v) { return std::round(v * 1e10) / 1e10; }

void applyFixedLength(WriterState& s)
{
    const bool four = s.mode == SessionMode::fourPoint;
    Point end = four ? s.p4 : s.p2;
    double vx = double(end.x) - s.p1.x;
    double vy = double(end.y) - s.p1.y;
    double n = roundTo10Decimals(std::sqrt(vx * vx + vy * vy));
    double k = divide(parseDecimal(s.settings.rememberedLeaderLength) * s.scale, n);
    double sx = vx - vx * k;
    double sy = vy - vy * k;
    if (four) {
        s.p4 = makePoint(s.p4.x - sx, s.p4.y - sy);
    } else {
        s.p2 = makePoint(s.p2.x - sx, s.p2.y - sy);
        s.p3 = makePoint(s.p3.x - sx, s.p3.y - sy);
    }
}

// Text mode has no extension or curved-leader forms of its frames.
int textModeFrame(int f)
{
    switch (f) {
    case 5: case 13: case 14: return 0;
    case 6: return 1;
    case 7: case 10: return 2;
    case 8: return 3;
    case 9: return 4;
    default: return f;
    }
}

void normalisePoint3(WriterState& s)
{
    double e = s.settings.extensionLengthMode == 1
                   ? double(s.settings.extensionLength) * s.scale
                   : std::hypot(double(s.p3.x) - s.p2.x, double(s.p3.y) - s.p2.y);
    if (s.tilted()) {
        double a = tiltAngles(s, s.p2, s.p3).writingAngle;
        if (double(s.p2.x) - s.p3.x > 0)
            a += 180;
        double r = a / kDegreesPerRadian;
        s.p3 = makePoint(s.p2.x + e * std::cos(r), s.p2.y + e * std::sin(r));
    } else if (!s.rotated()) {
        s.p3.x = finite(s.extendsRight ? s.p2.x + e : s.p2.x - e);
    } else {
        s.p3.y = finite(s.extendsUp ? s.p2.y + e : s.p2.y - e);
    }
    if (!s.rotated())
        s.extensionVector = makePoint(s.extendsRight ? e : -e, 0);
    else
        s.extensionVector = makePoint(0, s.extendsUp ? e : -e);
}

void decideLeaderOverText(WriterState& s)
{
    s.leaderOverText = s.leaderUnderText = false;
    if (!s.leaderVisible)
        return;
    if (!s.rotated()) {
        if (!s.tilted() && s.leaderRunsLeft == s.extendsRight) {
            s.leaderOverText = s.leaderRunsDown;
            s.leaderUnderText = !s.leaderRunsDown;
        }
    } else if (s.leaderRunsDown == s.extendsUp) {
        s.leaderOverText = !s.leaderRunsLeft;
        s.leaderUnderText = s.leaderRunsLeft;
    }
}

} // namespace

void runLeaderGeometry(WriterState& s)
{
    s.steepExtension = std::fabs(double(s.p3.x) - s.p2.x) < std::fabs(double(s.p3.y) - s.p2.y) ? 1 : 0;

    if (s.settings.fixedLeaderLength && drawsLeader(s.mode))
        applyFixedLength(s);

    s.leaderEnd = s.p2;
    const bool fourPointLeader =
        s.mode == SessionMode::fourPoint && (s.settings.frameType < 11 || s.settings.fixedLeaderLength);
    Point far = fourPointLeader ? s.p4 : s.p2;
    s.leaderDx = double(far.x) - s.p1.x;
    s.leaderDy = double(far.y) - s.p1.y;

    if ((drawsLeader(s.mode) || s.mode == SessionMode::textMode) && s.p3.x == s.p2.x && s.settings.tiltFrame) {
        s.settings.tiltFrame = false;
        s.tiltReleased = true;
    }

    s.extendsUp = s.p2.y < s.p3.y;
    s.extendsRight = s.p2.x < s.p3.x;
    s.leaderRunsLeft = s.p2.x < s.p1.x;
    s.leaderRunsDown = s.p2.y < s.p1.y;

    if (s.mode == SessionMode::textMode)
        s.settings.frameType = textModeFrame(s.settings.frameType);

    const int f = s.settings.frameType;
    if (s.tilted() && f < 10 && f != 3 && !s.verticalFont)
        s.steepExtension = 0;
    if (s.mode == SessionMode::textMode && s.tilted() && (f == 3 || f == 11 || f == 12))
        s.steepExtension = 0;

    normalisePoint3(s);
    decideLeaderOverText(s);
}

} // namespace tagler
