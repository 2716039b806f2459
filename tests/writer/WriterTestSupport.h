#pragma once
// One writer run built from points, scale, metrics and settings, for tests
// that check the records it appends.
#include "writer/AnnotationWriter.h"
#include "writer/FrameStage.h"
#include "writer/LeaderGeometry.h"
#include "writer/LeaderStage.h"
#include "writer/OutputList.h"
#include "writer/TipStage.h"
#include "writer/WriterInput.h"
#include "writer/WriterState.h"

#include <cctype>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace tagler::test {

using Records = std::vector<std::string>;

// Date lines are the only readers of the clock; a fixed one keeps records repeatable.
inline const Clock& testClock()
{
    static const FixedClock clock(parseLocalDateTime("2026-01-01T09:00:00"));
    return clock;
}

// A block of one or more lines whose frame box is width × height drawing
// units; the character sizes are in mm at 1/1.
inline TextBlockMetrics boxMetrics(float frameWidth, float frameHeight, double charHeight = 3, int lines = 1)
{
    TextBlockMetrics m;
    m.halfCharWidth = 1.5;
    m.charHeight = charHeight;
    m.lineCount = lines;
    m.frameWidth = frameWidth;
    m.frameHeight = frameHeight;
    return m;
}

// Host records no stage could compute, so a verbatim copy is recognisable.
inline HostRecords testHostRecords() { return HostRecords{"lg0", "ly0", "lc9", "TestFont"}; }

// One annotation as the session hands it to the writer. The leader's
// visibility is given, not derived: the session derives it before the writer runs.
struct WriterCase {
    SessionMode mode = SessionMode::normal;
    Point p1, p2, p3, p4;
    float scale = 1;
    TextBlockMetrics metrics;
    AnnotationSettings settings;
    std::vector<std::string> lines;
    bool leaderVisible = true;
    HostRecords host = testHostRecords();

    WriterInput input() const
    {
        WriterInput in;
        in.mode = mode;
        in.settings = settings;
        in.host = host;
        in.textTypeNumber = "1";
        in.scale = scale;
        in.point1 = p1;
        in.point2 = p2;
        in.point3 = p3;
        in.point4 = p4;
        const Point far = mode == SessionMode::fourPoint ? p4 : p2;
        in.leaderDx = double(far.x) - p1.x;
        in.leaderDy = double(far.y) - p1.y;
        in.leaderVisible = leaderVisible;
        in.metrics = metrics;
        in.lines = lines;
        return in;
    }
};

// A one-line block 40 × 10 at scale 1 hung on point 2; the frame in colour 3,
// the extension in colour 4.
inline WriterCase frameCase(int frameType, Point p1, Point p2, Point p3)
{
    WriterCase c;
    c.p1 = p1;
    c.p2 = p2;
    c.p3 = p3;
    c.metrics = boxMetrics(40, 10);
    c.settings.frameType = frameType;
    c.settings.frameColor = 3;
    c.settings.extensionColor = 4;
    return c;
}

// Every record of a whole writer run.
inline Records runRecords(const WriterCase& c)
{
    OutputList out;
    runAnnotationWriter(c.input(), testClock(), out);
    return out.records();
}

// The stages run one at a time, so a test can read the state between them.
class StagedRun final {
public:
    explicit StagedRun(const WriterCase& c) : StagedRun(c.input()) {}
    // From an input the session derived.
    explicit StagedRun(WriterInput input) : input_(std::move(input)) {}
    StagedRun(const StagedRun&) = delete;
    StagedRun& operator=(const StagedRun&) = delete;

    // Leader geometry and the frame stage.
    StagedRun& throughFrames()
    {
        computeLeaderLayout(input_, layout_);
        state_.emplace(input_, layout_, testClock(), out_);
        runFrameStage(*state_);
        return *this;
    }
    // Then the tip symbol and the leader line.
    StagedRun& throughLeader()
    {
        throughFrames();
        runTipStage(*state_);
        runLeaderStage(*state_);
        return *this;
    }

    const WriterState& state() const { return *state_; }
    const Records& records() const { return out_.records(); }

private:
    WriterInput input_;
    LeaderLayout layout_;
    OutputList out_;
    std::optional<WriterState> state_;
};

// The numbers of a record after its keyword, if it has one.
inline std::vector<double> numbersOf(const std::string& record)
{
    std::size_t start = 0;
    while (start < record.size() && std::isalpha(static_cast<unsigned char>(record[start])))
        ++start;
    std::istringstream in(record.substr(start));
    std::vector<double> v;
    double x;
    while (in >> x)
        v.push_back(x);
    return v;
}

inline Records frameRecords(const WriterCase& c) { return StagedRun(c).throughFrames().records(); }
inline Records leaderRecords(const WriterCase& c) { return StagedRun(c).throughLeader().records(); }

} // namespace tagler::test
