#pragma once
#include "base/LineFile.h"
#include "settings/SessionMode.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace tagler {

// The exchange file as the host handed it over, kept by line position.
struct HostTextType {
    std::string heightToken; // with its trailing blank, as read
    std::string widthToken;
    std::string label; // "h2   w2 " as the 文字種 list shows it
};

// Where the hand-over keeps what every mode reads, counted from 0.
namespace header_line {
inline constexpr std::size_t kGroupScales = 2;
inline constexpr std::size_t kTextTypeWidths = 3;
inline constexpr std::size_t kTextTypeHeights = 4;
inline constexpr std::size_t kTextTypeSpacings = 5;
// A selection's records follow the 11 lines before them.
inline constexpr std::size_t kFirstSelectedRecord = 11;
// A selection of one record; any header with points is longer.
inline constexpr std::size_t kShortestSelection = 15;
inline constexpr std::size_t kShortestWithPoints = 17;
// 枠書込１ takes its record group from here when the line is a group record.
inline constexpr std::size_t kFrameWrite1Group = 15;
// The longest header, the four-point one, to its closing "#": all a mode without a selection reads.
inline constexpr std::size_t kHeaderLinesRead = 19;
} // namespace header_line

enum class HeaderState {
    accepted,
    transformed, // the first line is not "hq": the file was processed already
    tooShort,    // too few lines for the mode's header
};

struct HostHeader {
    HeaderState state = HeaderState::accepted;
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

HostHeader parseHostHeader(const Lines& lines, SessionMode mode);

// Texts of the handed-over "ch" records, for the input box: as many as it takes and, when
// the selection holds more, one more.
Lines importTextRecords(const Lines& exchangeLines);
// The text of one handed-over record, when it is a text record.
std::optional<std::string> textOfRecord(const std::string& record);

} // namespace tagler
