#include "host/ExchangeHeader.h"

#include "base/Error.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tagler::host {

using namespace tagler::render;
namespace {

std::string printed(const char* format, int precision, double value)
{
    char buf[400];
    std::snprintf(buf, sizeof buf, format, precision, value);
    return buf;
}

// %g switches to an exponent for tiny and huge values; the host never does.
std::string plain(double value, int significant)
{
    std::string text = printed("%.*g", significant, value);
    if (text.find('e') == std::string::npos)
        return text;
    int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    text = printed("%.*f", std::max(0, significant - 1 - exponent), value);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    return text;
}

std::string joined(const double* values, std::size_t count)
{
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += (i ? " " : "") + hostDecimal(values[i]);
    return text;
}

char hexDigit(int value) { return "0123456789abcdef"[value & 15]; }

// The tag, a "-" when the point was taken with a rubber-band line, blanks to
// column 6, then x and y.
std::string pointLine(int tagNumber, const Point& p, bool rubberBand)
{
    std::string tag = "hp" + std::to_string(tagNumber) + (rubberBand ? "-" : "");
    tag.resize(std::max<std::size_t>(tag.size() + 1, 6), ' ');
    return tag + hostDecimal(p.x) + " " + hostDecimal(p.y);
}

std::string rangeLine(const std::vector<HeaderPoint>& points)
{
    if (points.empty())
        return "hn 0 0 0 0";
    double x1 = points.front().at.x, y1 = points.front().at.y, x2 = x1, y2 = y1;
    for (const HeaderPoint& p : points) {
        x1 = std::min(x1, p.at.x), y1 = std::min(y1, p.at.y);
        x2 = std::max(x2, p.at.x), y2 = std::max(y2, p.at.y);
    }
    return "hn " + hostDecimal(x1) + " " + hostDecimal(y1) + " " + hostDecimal(x2) + " " + hostDecimal(y2);
}

void checkRequest(const HeaderRequest& r)
{
    auto inRange = [](int v, int low, int high) { return v >= low && v <= high; };
    if (!inRange(r.sheet.group, 0, 15) || !inRange(r.sheet.layer, 0, 15))
        fail(ErrorKind::Range, "group and layer are one hexadecimal digit");
    if (!inRange(r.sheet.lineColor, 1, 8))
        fail(ErrorKind::Range, "line colour must be 1..8");
    if (!inRange(r.sheet.textType, 1, 10))
        fail(ErrorKind::Range, "text type must be 1..10");
    for (double s : r.sheet.groupScales)
        if (!(s > 0) || !std::isfinite(s))
            fail(ErrorKind::Range, "a group scale must be a positive number");
}

} // namespace

std::optional<HostMode> hostModeFromName(std::string_view name)
{
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    if (lower == "normal")
        return HostMode::normal;
    const HostMode mode = sessionModeFromArgument(name);
    if (mode == HostMode::normal)
        return std::nullopt;
    return mode;
}

const char* hostModeName(HostMode mode) { return mode == HostMode::normal ? "normal" : traits(mode).argument; }

bool handsOverSelection(HostMode mode) { return traits(mode).handsOverSelection; }

std::string hostDecimal(double value)
{
    if (!std::isfinite(value))
        fail(ErrorKind::InvalidFloatOp, "non-finite number in a header");
    if (value == 0)
        return "0"; // never "-0"
    std::string text = plain(value, 15);
    if (static_cast<float>(std::strtod(text.c_str(), nullptr)) != static_cast<float>(value))
        text = plain(value, 17);
    return text;
}

std::vector<HeaderPoint> askedPoints(const HeaderRequest& r)
{
    const Point* byNumber[] = {nullptr, &r.p1, &r.p2, &r.p3, &r.p4};
    std::vector<HeaderPoint> points;
    for (const AskedPoint& asked : traits(r.mode).points)
        points.push_back({*byNumber[asked.fills], asked.rubberBand});
    return points;
}

Lines buildHeader(const HeaderRequest& r) { return buildHeader(r, askedPoints(r)); }

Lines buildHeader(const HeaderRequest& r, const std::vector<HeaderPoint>& points)
{
    checkRequest(r);
    const HostSheet& s = r.sheet;
    double widths[10], heights[10], spacings[10];
    std::string colors = "hcc";
    for (std::size_t i = 0; i < 10; ++i) {
        widths[i] = s.textTypes[i].width;
        heights[i] = s.textTypes[i].height;
        spacings[i] = s.textTypes[i].spacing;
        colors += printed("%*.0f", 7, s.textTypes[i].color);
    }

    Lines lines = {"hq",
                   "hk 0",
                   "hs " + joined(s.groupScales.data(), 16),
                   "hcw " + joined(widths, 10),
                   "hch " + joined(heights, 10),
                   "hcd " + joined(spacings, 10),
                   colors,
                   rangeLine(points)};
    for (std::size_t i = 0; i < points.size(); ++i)
        lines.push_back(pointLine(static_cast<int>(i) + 1, points[i].at, points[i].rubberBand));
    // The host writes its colour before its line type in every mode.
    lines.push_back(std::string("lg") + hexDigit(s.group));
    lines.push_back(std::string("ly") + hexDigit(s.layer));
    lines.push_back("lc" + std::to_string(s.lineColor));
    lines.push_back("lt1");
    lines.push_back("cn" + std::to_string(s.textType));
    lines.push_back("cn\"$<" + s.font + ">");
    lines.push_back("#");
    return lines;
}

} // namespace tagler::host
