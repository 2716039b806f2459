#include "writer/WriterState.h"

namespace tagler {

WriterState::WriterState(const WriterInput& input, OutputList& output)
    : in(input), out(output), m(input.metrics), settings(input.settings), mode(input.mode), scale(input.scale),
      p1(input.point1), p2(input.point2), p3(input.point3), p4(input.point4), leaderDx(input.leaderDx),
      leaderDy(input.leaderDy), leaderVisible(input.leaderVisible)
{
    verticalFont = settings.fontSwitch != 0 && !settings.chosenFontName.empty() && settings.chosenFontName[0] == '@';
}

} // namespace tagler
