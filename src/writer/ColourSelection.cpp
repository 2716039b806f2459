#include "writer/ColourSelection.h"

#include "writer/WriterState.h"

namespace tagler {

std::string colourRecord(int i, int j, const std::string& host)
{
    if (i >= 1)
        return "lc" + std::to_string(i);
    if (j >= 1)
        return "lc" + std::to_string(j);
    return host;
}

void appendColour(WriterState& s, int colourIndex)
{
    s.out.append(colourRecord(colourIndex, s.settings.leaderColor, s.in.host.color));
}

void appendLeaderColour(WriterState& s) { s.out.append(colourRecord(s.settings.leaderColor, 0, s.in.host.color)); }

} // namespace tagler
