#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tagler {

// How wide a line will be drawn, in bytes: embedded-text codes widened,
// host markup discounted, memo lines counted as nothing.
struct LineMeasures {
    int maxLineBytes = 1;
    int widestMark = 0; // 1 for a widest line with ^B or ^o, 2 with ^b
    int memoLineCount = 0;
    std::vector<int> lineBytes; // the measured length of each line
};

bool isMemoLine(std::string_view line);

LineMeasures measureLines(const std::vector<std::string>& lines, bool useEmbeddedText);

} // namespace tagler
