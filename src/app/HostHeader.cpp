#include "app/HostHeader.h"

#include "app/InputText.h"
#include "base/CodePage.h"
#include "base/Error.h"

namespace tagler {

namespace {

struct Rows {
    int point1, point4, point2, point3, group, layer, color, textType, font;
};

Rows rowsFor(SessionMode mode)
{
    switch (mode) {
    case SessionMode::frameWrite1:
    case SessionMode::frameWrite2: return {-1, -1, -1, -1, 8, 9, 10, 12, 13};
    case SessionMode::textMode: return {8, -1, 8, 9, 10, 11, 12, 14, 15};
    case SessionMode::fourPoint:
        // The colour record follows the layer record here as in every other
        // mode; line 15 is the host's line-type record.
        return {8, 9, 10, 11, 12, 13, 14, 16, 17};
    default: return {8, -1, 9, 10, 11, 12, 13, 15, 16};
    }
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
    std::string name = record.substr(5, 30);
    name.pop_back(); // the closing ">"
    return name;
}

} // namespace

HostHeader parseHostHeader(const Lines& lines, SessionMode mode)
{
    HostHeader h;
    if (lines.empty() || lines[0] != "hq") {
        h.state = 1;
        return h;
    }
    const Rows r = rowsFor(mode);
    const bool framing = r.point1 < 0;
    // A selection of one or two records makes a file shorter than any header with points.
    if (lines.size() < (framing ? std::size_t(15) : std::size_t(17))) {
        h.state = 2;
        return h;
    }
    if (r.font >= static_cast<int>(lines.size())) {
        // Four-point mode needs its font record on line 17.
        h.state = 2;
        return h;
    }
    h.groupScales = lines[2];
    h.textTypeWidths = lines[3];
    h.textTypeHeights = lines[4];
    h.textTypeSpacings = lines[5];
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

HostHeader readHostHeader(const std::string& path, SessionMode mode) { return parseHostHeader(readLines(path), mode); }

Lines importTextRecords(const Lines& exchangeLines)
{
    Lines texts;
    // The input box takes five lines; a selection of a whole sheet need not be copied for them.
    for (std::size_t i = 11; i < exchangeLines.size() && texts.size() < std::size_t(kInputMaxLines); ++i) {
        const std::string& line = exchangeLines[i];
        const auto quote = line.find('"');
        if (line.rfind("ch", 0) == 0 && quote != std::string::npos)
            texts.push_back(line.substr(quote + 1));
    }
    return texts;
}

} // namespace tagler
