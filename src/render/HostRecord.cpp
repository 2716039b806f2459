#include "render/HostRecord.h"

#include "base/Error.h"
#include "base/Number.h"

#include <cmath>

namespace tagler::render {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::vector<std::string_view> splitBlanks(std::string_view text)
{
    std::vector<std::string_view> runs;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isBlank(text[i]))
            ++i;
        std::size_t start = i;
        while (i < text.size() && !isBlank(text[i]))
            ++i;
        if (i > start)
            runs.push_back(text.substr(start, i - start));
    }
    return runs;
}

// Throws a conversion error on any field that is not a number.
std::vector<double> numbers(std::string_view text)
{
    std::vector<double> values;
    for (std::string_view run : splitBlanks(text))
        values.push_back(parseDecimal(run));
    return values;
}

[[noreturn]] void malformed(const std::string& why) { fail(ErrorKind::Conversion, why); }

int hexDigit(std::string_view text)
{
    if (text.size() != 1)
        malformed("expected one hexadecimal digit");
    char c = text[0];
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    malformed("expected one hexadecimal digit");
}

int integerIn(std::string_view text, int low, int high)
{
    int value = 0;
    if (!tryParseInteger(text, value) || value < low || value > high)
        malformed("expected a whole number " + std::to_string(low) + ".." + std::to_string(high));
    return value;
}

std::vector<double> exactly(std::string_view text, std::initializer_list<std::size_t> counts)
{
    std::vector<double> values = numbers(text);
    for (std::size_t n : counts)
        if (values.size() == n)
            return values;
    malformed("wrong number of fields");
}

HostRecord parseCircle(std::string_view rest)
{
    std::vector<double> v = exactly(rest, {3, 7});
    if (v.size() == 3)
        return CircleRecord{{v[0], v[1]}, v[2]};
    return ArcRecord{{v[0], v[1]}, v[2], v[3], v[4], v[5], v[6]};
}

HostRecord parseSolidCircle(std::string_view rest)
{
    std::vector<double> v = exactly(rest, {8});
    SolidKind kind;
    if (v[7] == 100)
        kind = SolidKind::Disc;
    else if (v[7] == 5)
        kind = SolidKind::Segment;
    else if (v[7] == 0)
        kind = SolidKind::Sector;
    else if (v[7] == -1)
        kind = SolidKind::Outside;
    else
        malformed("unknown solid circle kind");
    return SolidCircleRecord{{v[0], v[1]}, v[2], v[3], v[4], v[5], v[6], kind};
}

HostRecord parseSolidPolygon(std::string_view rest)
{
    std::vector<double> v = exactly(rest, {6, 8});
    SolidPolygonRecord polygon;
    for (std::size_t i = 0; i < v.size(); i += 2)
        polygon.corners.push_back({v[i], v[i + 1]});
    return polygon;
}

HostRecord parseColor(std::string_view rest)
{
    std::vector<std::string_view> runs = splitBlanks(rest);
    if (runs.size() == 2 && runs[0] == "10") {
        double v = parseDecimal(runs[1]);
        if (v < 0 || v > 0xFFFFFF || v != std::floor(v))
            malformed("free colour out of range");
        return FreeColorRecord{static_cast<unsigned>(v)};
    }
    if (runs.size() != 1)
        malformed("expected a colour number");
    return ColorRecord{integerIn(runs[0], 1, 8)};
}

HostRecord parseFont(std::string_view body)
{
    // body is what follows cn" : $<name> with an optional ")" or "/" after it
    if (body.substr(0, 2) != "$<")
        malformed("font record without $<");
    std::string_view inner = body.substr(2);
    std::size_t close = inner.rfind('>');
    if (close == std::string_view::npos)
        malformed("font record without >");
    FontRecord font;
    std::string_view name = inner.substr(0, close);
    std::string_view tail = inner.substr(close + 1);
    if (!name.empty() && name.back() == '/') {
        font.italic = true;
        name.remove_suffix(1);
    }
    if (tail.find('/') != std::string_view::npos)
        font.italic = true;
    font.name = std::string(name);
    return font;
}

HostRecord parseTextSetting(std::string_view rest)
{
    if (!rest.empty() && rest[0] == '"')
        return parseFont(rest.substr(1));
    std::vector<std::string_view> runs = splitBlanks(rest);
    if (runs.size() == 1)
        return TextTypeRecord{integerIn(runs[0], 1, 10)};
    if (runs.size() == 5 && runs[0] == "0") {
        FreeTextSizeRecord size;
        size.width = parseDecimal(runs[1]);
        size.height = parseDecimal(runs[2]);
        size.spacing = parseDecimal(runs[3]);
        size.color = integerIn(runs[4], 1, 8);
        return size;
    }
    malformed("unknown text setting");
}

HostRecord parseText(std::string_view rest)
{
    std::size_t quote = rest.find('"');
    if (quote == std::string_view::npos)
        malformed("text record without a double quote");
    std::vector<double> v = exactly(rest.substr(0, quote), {4});
    return TextRecord{{v[0], v[1]}, {v[2], v[3]}, std::string(rest.substr(quote + 1))};
}

HostRecord parseTagged(std::string_view line)
{
    std::string_view tag = line.substr(0, 2);
    std::string_view rest = line.substr(2);
    if (tag == "ci")
        return parseCircle(rest);
    if (tag == "sc")
        return parseSolidCircle(rest);
    if (tag == "sl")
        return parseSolidPolygon(rest);
    if (tag == "lc")
        return parseColor(rest);
    if (tag == "lt")
        return LineTypeRecord{integerIn(rest, 1, 8)};
    if (tag == "lg")
        return GroupRecord{hexDigit(rest)};
    if (tag == "ly")
        return LayerRecord{hexDigit(rest)};
    if (tag == "by")
        return ScaleFactorRecord{exactly(rest, {1})[0]};
    if (tag == "cn")
        return parseTextSetting(rest);
    if (tag == "cc")
        return BasePointRecord{integerIn(rest, 0, 8)};
    if (tag == "ch")
        return parseText(rest);
    malformed("unknown record");
}

} // namespace

HostRecord parseRecord(std::string_view line)
{
    if (splitBlanks(line).empty() || line[0] == '#')
        return CommentRecord{};
    try {
        if (isBlank(line[0])) {
            std::vector<double> v = exactly(line, {4});
            return LineRecord{{v[0], v[1]}, {v[2], v[3]}};
        }
        return parseTagged(line);
    } catch (const Error& e) {
        return UnknownRecord{std::string(line), e.what()};
    }
}

} // namespace tagler::render
