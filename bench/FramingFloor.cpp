// The least work a run that frames each selected text (T3) must do, as a
// floor to time the real one against: read the exchange file whole, follow
// the group, size and base-point lines, and for every text record write a
// colour record and the four sides of the box around the text, turned to its
// direction; then replace the file atomically. No gaps, fills or shaped
// frames: whatever this costs, every real implementation pays too.
//
// usage: tagler_framing_floor [FOLDER]   (default: the current folder)

#include "base/Error.h"
#include "base/LineFile.h"
#include "base/Number.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace tagler;

// Header lines by position, as the program reads them in T2 and T3.
constexpr std::size_t groupScalesLine = 2;
constexpr std::size_t heightsLine = 4;
constexpr std::size_t firstRecordLine = 8; // the host's group and text type come first, read like records

std::vector<double> numbers(std::string_view text)
{
    std::vector<double> values;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == ' ')
            ++i;
        std::size_t start = i;
        while (i < text.size() && text[i] != ' ')
            ++i;
        if (i > start)
            values.push_back(parseDecimal(text.substr(start, i - start)));
    }
    return values;
}

template <std::size_t N> std::array<double, N> headerValues(const Lines& lines, std::size_t index)
{
    if (index >= lines.size())
        fail(ErrorKind::Range, "the header is too short");
    std::string_view line = lines[index];
    std::vector<double> v = numbers(line.substr(std::min(line.find(' '), line.size())));
    if (v.size() < N)
        fail(ErrorKind::Conversion, "header line " + std::to_string(index) + " holds too few values");
    std::array<double, N> values;
    std::copy_n(v.begin(), N, values.begin());
    return values;
}

bool isTextRecord(std::string_view line)
{
    constexpr std::string_view kinds[] = {"ch", "cv", "cs", "cr", "co", "cp", "ct", "ck", "cz", "c2"};
    if (line.size() < 3 || line[2] != ' ')
        return false;
    for (std::string_view kind : kinds)
        if (line.substr(0, 2) == kind)
            return true;
    return false;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    fail(ErrorKind::Conversion, std::string("'") + c + "' is not a group");
}

struct Framer {
    std::array<double, 16> groupScales{};
    std::array<double, 10> heights{};
    double scale = 1;
    double charHeight = 0;
    int basePoint = 0;
    Lines out;

    void read(std::string_view line)
    {
        if (line.substr(0, 3) == "cn\"")
            return;
        if (line.substr(0, 3) == "cn0") {
            std::vector<double> v = numbers(line.substr(3));
            if (v.size() < 2)
                fail(ErrorKind::Conversion, "size line without a height: " + std::string(line));
            charHeight = v[1];
        } else if (line.substr(0, 2) == "cn" && line.size() > 2) {
            int n = parseInteger(line.substr(2));
            if (n >= 1 && n <= 10)
                charHeight = heights[static_cast<std::size_t>(n - 1)];
        } else if (line.substr(0, 2) == "cc" && line.size() > 2) {
            basePoint = parseInteger(line.substr(2, 1));
        } else if (line.substr(0, 2) == "lg" && line.size() > 2) {
            scale = groupScales[static_cast<std::size_t>(hexDigit(line.back()))];
        } else if (isTextRecord(line)) {
            frame(line);
        }
    }

    void frame(std::string_view line)
    {
        std::size_t quote = line.find('"');
        std::vector<double> v = numbers(line.substr(2, quote == std::string_view::npos ? line.npos : quote - 2));
        if (quote == std::string_view::npos || v.size() < 4)
            fail(ErrorKind::Conversion, "text record without its four numbers: " + std::string(line));
        const double x = v[0], y = v[1], dx = v[2], dy = v[3];
        const double length = std::hypot(dx, dy), height = charHeight * scale;
        const double c = length > 0 ? dx / length : 1, s = length > 0 ? dy / length : 0;
        // The box in the text's own frame from its base point, then turned about it.
        const double left = -length * (basePoint % 3) / 2, bottom = -height * (basePoint / 3) / 2;
        const double corners[4][2] = {
            {left, bottom}, {left + length, bottom}, {left + length, bottom + height}, {left, bottom + height}};
        std::string turned[4][2];
        for (int i = 0; i < 4; ++i) {
            turned[i][0] = formatNumber(static_cast<float>(x + corners[i][0] * c - corners[i][1] * s));
            turned[i][1] = formatNumber(static_cast<float>(y + corners[i][0] * s + corners[i][1] * c));
        }
        out.emplace_back("lc1");
        for (int i = 0; i < 4; ++i) {
            const auto& from = turned[i];
            const auto& to = turned[(i + 1) % 4];
            out.push_back(" " + from[0] + " " + from[1] + " " + to[0] + " " + to[1]);
        }
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (argc > 2) {
        std::cerr << "usage: tagler_framing_floor [FOLDER]\n";
        return 2;
    }
    const std::string file = std::string(argc == 2 ? argv[1] : ".") + "/jwc_temp.txt";
    try {
        const Lines lines = readLines(file);
        if (lines.empty() || lines[0] != "hq")
            fail(ErrorKind::InputOutput, file + " is not a hand-over");
        Framer framer;
        framer.groupScales = headerValues<16>(lines, groupScalesLine);
        framer.heights = headerValues<10>(lines, heightsLine);
        framer.out.reserve(lines.size() * 5);
        for (std::size_t i = firstRecordLine; i < lines.size(); ++i)
            framer.read(lines[i]);
        writeLines(file, framer.out);
        std::cerr << "framed " << framer.out.size() / 5 << " texts\n";
    } catch (const Error& e) {
        std::cerr << "tagler_framing_floor: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
