#pragma once
#include <string>

namespace tagler {

struct WriterState;

// One colour record before a group of drawing records: the list's own colour,
// else the leader colour, else the host's colour record.
void appendColour(WriterState& s, int colourIndex);
void appendLeaderColour(WriterState& s);
std::string colourRecord(int colourIndex, int fallbackIndex, const std::string& hostColorRecord);

} // namespace tagler
