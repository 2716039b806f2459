#include "host/RangeSelection.h"

#include <array>
#include <string_view>

namespace tagler::host {

namespace {

// In the order the host writes them ahead of a text.
enum Attribute { group, layer, colour, lineType, textType, font, basePoint, attributeCount };

int attributeOf(std::string_view line)
{
    if (line.starts_with("cn\""))
        return font;
    constexpr std::array<std::string_view, attributeCount> tags = {"lg", "ly", "lc", "lt", "cn", "", "cc"};
    for (int a = 0; a < attributeCount; ++a)
        if (!tags[static_cast<std::size_t>(a)].empty() && line.starts_with(tags[static_cast<std::size_t>(a)]))
            return a;
    return -1;
}

char hexDigit(int value) { return "0123456789abcdef"[value & 15]; }

} // namespace

Lines selectedTexts(const Lines& records, const render::HostSheet& sheet)
{
    // The base point has no header line: the first one given is written.
    std::array<std::string, attributeCount> inForce = {std::string("lg") + hexDigit(sheet.group),
                                                       std::string("ly") + hexDigit(sheet.layer),
                                                       "lc" + std::to_string(sheet.lineColor),
                                                       "lt1",
                                                       "cn" + std::to_string(sheet.textType),
                                                       "cn\"$<" + sheet.font + ">",
                                                       ""};
    std::array<std::string, attributeCount> pending = inForce;
    Lines out;
    for (const std::string& line : records) {
        if (const int a = attributeOf(line); a >= 0) {
            pending[static_cast<std::size_t>(a)] = line;
            continue;
        }
        if (!line.starts_with("ch") || line.find('"') == std::string::npos)
            continue;
        for (std::size_t a = 0; a < inForce.size(); ++a)
            if (pending[a] != inForce[a])
                out.push_back(inForce[a] = pending[a]);
        out.push_back(line);
    }
    return out;
}

} // namespace tagler::host
