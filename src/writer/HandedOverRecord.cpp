#include "writer/HandedOverRecord.h"

#include "base/Error.h"
#include "base/Number.h"

#include <algorithm>
#include <cctype>

namespace tagler {

namespace {

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

constexpr std::array<std::string_view, 10> kTextKinds = {"ch", "cv", "cs", "cr", "co", "cp", "ct", "ck", "cz", "c2"};

// The blank-separated values of `text`, at most `count` of them.
template <std::size_t N> std::size_t valuesOf(std::string_view text, std::array<double, N>& out)
{
    std::size_t n = 0;
    std::size_t i = 0;
    while (n < N) {
        i = text.find_first_not_of(' ', i);
        if (i == std::string_view::npos)
            break;
        const std::size_t end = std::min(text.find(' ', i), text.size());
        out[n++] = parseDecimal(text.substr(i, end - i));
        i = end;
    }
    return n;
}

void readExplicitSize(std::string_view line, ExistingTextState& state)
{
    std::array<double, 3> v{};
    if (valuesOf(line.size() > 4 ? line.substr(4) : std::string_view(), v) < 3)
        fail(ErrorKind::Conversion, "text size record without its sizes: " + std::string(line));
    state.halfCharWidth = v[0] / 2;
    state.charHeight = v[1];
    state.charSpacing = v[2] / 2;
}

void readHostTextType(int n, const HostTextSizes& sizes, ExistingTextState& state)
{
    if (n < 1 || n > 10)
        return;
    const auto i = static_cast<std::size_t>(n - 1);
    state.halfCharWidth = parseDecimal(sizes.widths[i]) / 2;
    state.charHeight = parseDecimal(sizes.heights[i]);
    state.charSpacing = parseDecimal(sizes.spacings[i]) / 2;
}

HandedOverKind readTextTypeRecord(std::string_view line, const HostTextSizes& sizes, ExistingTextState& state)
{
    if (line.size() < 3)
        return HandedOverKind::other;
    if (line[2] == '"')
        return HandedOverKind::font;
    if (line[2] == '0') {
        readExplicitSize(line, state);
        return HandedOverKind::size;
    }
    if (!isDigit(line[2]))
        return HandedOverKind::other;
    if (line.size() == 3 || line[3] == ' ')
        readHostTextType(line[2] - '0', sizes, state);
    else if (isDigit(line[3]))
        readHostTextType((line[2] - '0') * 10 + (line[3] - '0'), sizes, state);
    else
        return HandedOverKind::other;
    return HandedOverKind::size;
}

} // namespace

HandedOverKind readHandedOverRecord(std::string_view line, const HostTextSizes& sizes, ExistingTextState& state,
                                    TextPlacement& placement)
{
    const std::string_view kind = line.substr(0, 2);
    if (kind == "cn")
        return readTextTypeRecord(line, sizes, state);
    if (kind == "cc") {
        if (line.size() < 3 || !isDigit(line[2]) || line[2] == '9')
            return HandedOverKind::other;
        state.basePoint = line[2] - '0';
        return HandedOverKind::basePoint;
    }
    const std::size_t quote = line.find('"');
    if (std::find(kTextKinds.begin(), kTextKinds.end(), kind) == kTextKinds.end() || quote == std::string_view::npos)
        return HandedOverKind::other;
    std::array<double, 4> v{};
    if (valuesOf(line.substr(2, quote - 2), v) < 4)
        fail(ErrorKind::Conversion, "text record without its place: " + std::string(line.substr(0, 80)));
    placement = TextPlacement{v[0], v[1], v[2], v[3]};
    return HandedOverKind::text;
}

} // namespace tagler
