#include "writer/WriterState.h"

namespace tagler {

WriterState::WriterState(const WriterInput& input, const LeaderLayout& leaderLayout, const Clock& clk,
                         OutputList& output)
    : WriterState(input, leaderLayout, clk, output, input.metrics)
{}

WriterState::WriterState(const WriterInput& input, const LeaderLayout& leaderLayout, const Clock& clk,
                         OutputList& output, const TextBlockMetrics& metrics)
    : in(input), clock(clk), out(output), m(metrics), settings(input.settings), layout(leaderLayout), mode(input.mode),
      scale(input.scale), box(leaderLayout.p2, leaderLayout.p2), leaderStart(leaderLayout.p1)
{
    frame.leaderVisible = layout.leaderVisible;
    frame.leaderOverText = layout.leaderOverText;
}

} // namespace tagler
