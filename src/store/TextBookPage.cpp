#include "store/TextBookPage.h"

#include "base/CodePage.h"

#include <algorithm>

namespace tagler {

namespace {

bool anyFurtherLine(const BlockLines& lines)
{
    return std::any_of(lines.begin() + 1, lines.end(), [](const std::string& l) { return !l.empty(); });
}

} // namespace

std::string pageFileName(int page) { return "PMDATA" + std::to_string(page) + ".tx"; }

BlockLines blockLinesOf(const Lines& page, int block)
{
    BlockLines lines;
    const std::size_t base = static_cast<std::size_t>(block) * kLinesPerBlock;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (base + i < page.size())
            lines[i] = page[base + i];
    return lines;
}

std::string summaryOfReadBlock(const BlockLines& lines)
{
    return (anyFurtherLine(lines) ? sjis("▼ ") : std::string("   ")) + cutToBytes(lines[0], kSummaryBytes);
}

std::string summaryOfInput(const Lines& input)
{
    const std::string first = input.empty() ? std::string() : input.front();
    return (input.size() >= 2 ? sjis("▼ ") : std::string("   ")) + cutToBytes(first, kSummaryBytes);
}

std::string summaryOfEditedBlock(const BlockLines& lines)
{
    return (anyFurtherLine(lines) ? sjis("▼ ") : sjis("　 ")) + lines[0];
}

BlockLines splitEditedCell(std::string_view cellText)
{
    // The last piece stops at byte 349 of the whole text; a character that
    // limit would halve is left out whole.
    const std::size_t limit = cutToBytes(cellText, kEditedCellBytes).size();
    BlockLines lines;
    std::size_t start = 0;
    for (std::string& line : lines) {
        if (start >= cellText.size())
            break;
        const auto end = cellText.find("\r\n", start);
        if (end == std::string_view::npos) {
            if (start < limit)
                line = std::string(cellText.substr(start, limit - start));
            break;
        }
        line = std::string(cellText.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

} // namespace tagler
