#include "app/HostHeader.h"

#include "app/InputText.h"
#include "base/CodePage.h"
#include "base/Error.h"

#include <algorithm>

namespace tagler {

namespace {

struct Rows {
    int point1, point4, point2, point3, group, layer, color, textType, font;
};

Rows rowsFor(HeaderLayout layout)
{
    switch (layout) {
    case HeaderLayout::selection: return {-1, -1, -1, -1, 8, 9, 10, 12, 13};
    case HeaderLayout::textMode: return {8, -1, 8, 9, 10, 11, 12, 14, 15};
    case HeaderLayout::fourPoint:
        // The colour record follows the layer record here as in every other
        // mode; line 15 is the host's line-type record.
        return {8, 9, 10, 11, 12, 13, 14, 16, 17};
    case HeaderLayout::points: break;
    }
    return {8, -1, 9, 10, 11, 12, 13, 15, 16};
}

const std::string& lineAt(const Lines& lines, int row)
{
    if (row < 0 || row >= static_cast<int>(lines.size()))
        fail(ErrorKind::Range, "jwc_temp.txt has no line " + std::to_string(row));
    return lines[static_cast<std::size_t>(row)];
}

// The characters from the cursor up to and including the next blank.
std::string nextToken(const std::string& line, std::size_t& cursor)
{
    if (cursor >= line.size())
        fail(ErrorKind::Range, "text type line too short: " + line);
    std::size_t end = line.find(' ', cursor);
    end = end == std::string::npos ? line.size() : end + 1;
    std::string token = line.substr(cursor, end - cursor);
    cursor = end;
    return token;
}

std::string fontNameOf(const std::string& record)
{
    if (record == "#")
        return sjis("ＭＳ ゴシック");
    if (record.size() <= 5)
        return "";
    // 30 bytes from the sixth less the last, the closing ">" when the name fits; a longer name
    // is cut, never in half a character.
    const std::string_view rest = std::string_view(record).substr(5);
    return cutToBytes(rest, std::min<std::size_t>(rest.size(), 30) - 1);
}

} // namespace

HostHeader parseHostHeader(const Lines& lines, SessionMode mode)
{
    HostHeader h;
    if (lines.empty() || lines[0] != "hq") {
        h.state = HeaderState::transformed;
        return h;
    }
    const Rows r = rowsFor(traits(mode).header);
    const bool framing = r.point1 < 0;
    // A selection of one or two records makes a file shorter than any header with points.
    if (lines.size() < (framing ? header_line::kShortestSelection : header_line::kShortestWithPoints)) {
        h.state = HeaderState::tooShort;
        return h;
    }
    if (r.font >= static_cast<int>(lines.size())) {
        // Four-point mode needs its font record on line 17.
        h.state = HeaderState::tooShort;
        return h;
    }
    h.groupScales = lines[header_line::kGroupScales];
    h.textTypeWidths = lines[header_line::kTextTypeWidths];
    h.textTypeHeights = lines[header_line::kTextTypeHeights];
    h.textTypeSpacings = lines[header_line::kTextTypeSpacings];
    h.point1Line = framing ? "0" : lineAt(lines, r.point1);
    h.point2Line = framing ? "0" : lineAt(lines, r.point2);
    h.point3Line = framing ? "0" : lineAt(lines, r.point3);
    if (r.point4 >= 0)
        h.point4Line = lineAt(lines, r.point4);
    h.hostGroupRecord = lineAt(lines, r.group);
    h.hostLayerRecord = lineAt(lines, r.layer);
    h.hostColorRecord = lineAt(lines, r.color);
    h.hostTextTypeRecord = lineAt(lines, r.textType);
    h.fontRecord = lineAt(lines, r.font);
    h.hostFontName = fontNameOf(h.fontRecord);

    std::size_t heightCursor = 4, widthCursor = 4;
    for (auto& t : h.textTypes) {
        t.heightToken = nextToken(h.textTypeHeights, heightCursor);
        t.widthToken = nextToken(h.textTypeWidths, widthCursor);
        std::string label = "h" + t.heightToken;
        if (label.size() == 3)
            label += "  ";
        else if (label.size() == 4)
            label += " ";
        t.label = label + "w" + t.widthToken;
    }
    return h;
}

Lines importTextRecords(const Lines& exchangeLines)
{
    Lines texts;
    // The input box takes five lines; a selection of a whole sheet need not be copied for them,
    // only one text more, to say that some were left out.
    for (std::size_t i = header_line::kFirstSelectedRecord;
         i < exchangeLines.size() && texts.size() <= std::size_t(kInputMaxLines); ++i) {
        if (auto text = textOfRecord(exchangeLines[i]))
            texts.push_back(std::move(*text));
    }
    return texts;
}

std::optional<std::string> textOfRecord(const std::string& record)
{
    const auto quote = record.find('"');
    if (record.rfind("ch", 0) != 0 || quote == std::string::npos)
        return std::nullopt;
    return record.substr(quote + 1);
}

} // namespace tagler
