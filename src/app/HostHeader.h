#pragma once
#include "base/LineFile.h"
#include "settings/SessionMode.h"

#include <array>
#include <string>

namespace tagler {

// The exchange file as the host handed it over, kept by line position.
struct HostTextType {
    std::string heightToken; // with its trailing blank, as read
    std::string widthToken;
    std::string label; // "h2   w2 " as the 文字種 list shows it
};

struct HostHeader {
    int state = 0; // 0 accepted, 1 first line is not "hq", 2 fewer than 17 lines
    std::string groupScales;
    std::string textTypeWidths;
    std::string textTypeHeights;
    std::string textTypeSpacings;
    std::string point1Line;
    std::string point2Line;
    std::string point3Line;
    std::string point4Line;
    std::string hostGroupRecord;
    std::string hostLayerRecord;
    std::string hostColorRecord;
    std::string hostTextTypeRecord;
    std::string fontRecord;
    std::string hostFontName;
    std::array<HostTextType, 10> textTypes;
};

HostHeader readHostHeader(const std::string& path, SessionMode mode);
HostHeader parseHostHeader(const Lines& lines, SessionMode mode);

// Texts of the handed-over "ch" records, for the input box: as many as it takes.
Lines importTextRecords(const Lines& exchangeLines);

} // namespace tagler
