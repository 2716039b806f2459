#include "host/ExchangeHeader.h"
#include "base/CodePage.h"
#include "base/Error.h"
#include "base/LineFile.h"
#include "base/Number.h"
#include "host/ExchangeFolder.h"
#include "render/HandOver.h"
#include "support/Folder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace tagler::host {

using namespace tagler::render;
namespace {

// The program's way of reading a header, written out here on its own so the
// writer is checked against it rather than against itself.
struct ProgramView {
    const Lines& lines;

    // "tag, x, y separated by spaces": runs of non-blanks after the first space.
    Point point(std::size_t line) const
    {
        std::istringstream runs(lines.at(line).substr(lines.at(line).find(' ')));
        std::string x, y;
        runs >> x >> y;
        return {parseFloat(x), parseFloat(y)};
    }
    // After the tag, every single space starts the next token.
    std::vector<std::string> tokensAfterTag(std::size_t line) const
    {
        std::string rest = lines.at(line).substr(lines.at(line).find(' ') + 1);
        std::vector<std::string> tokens(1);
        for (char c : rest) {
            if (c == ' ')
                tokens.emplace_back();
            else
                tokens.back().push_back(c);
        }
        return tokens;
    }
    // Ten tokens from character 5, each up to and including the next space.
    std::vector<double> fromCharacterFive(std::size_t line) const
    {
        const std::string& l = lines.at(line);
        std::vector<double> values;
        std::size_t cursor = 4;
        for (int i = 0; i < 10; ++i) {
            if (cursor >= l.size())
                fail(ErrorKind::Range, "runs past the end");
            std::size_t space = l.find(' ', cursor);
            std::size_t end = space == std::string::npos ? l.size() : space + 1;
            values.push_back(parseDecimal(l.substr(cursor, end - cursor)));
            cursor = end;
        }
        return values;
    }
    std::string fontName(std::size_t line) const
    {
        std::string name = lines.at(line).substr(5, 30);
        return name.substr(0, name.size() - 1);
    }
};

HeaderRequest sampleRequest(HostMode mode)
{
    HeaderRequest r;
    r.mode = mode;
    r.sheet.groupScales = {1, 100, 50, 50, 60, 1, 1, 1, 1, 50, 50, 200, 50, 50, 50, 1};
    r.sheet.group = 11;
    r.sheet.layer = 14;
    r.sheet.lineColor = 6;
    r.sheet.textType = 10; // two digits: the program takes characters 3 and 4
    r.sheet.font = sjis("ＭＳ 明朝");
    // Distinct in every coordinate, so a swapped point shows.
    r.p1 = {136190.26326708, -45574.8870993316};
    r.p2 = {-40496.8595011236, 19256.2733412202};
    r.p3 = {-40505.6560883018, -2442.79416456709};
    r.p4 = {0.1, -7.25};
    return r;
}

struct Positions {
    HostMode mode;
    int p1, p2, p3, p4; // -1: not handed over
    std::size_t group, layer, color, textType, font;
    friend void PrintTo(const Positions& p, std::ostream* os) { *os << hostModeName(p.mode); }
};

// Where the program reads each value, per mode. In four-point mode the host's
// colour record stands on line 14, before its line type, as in every other mode.
const Positions positions[] = {
    {HostMode::normal, 8, 9, 10, -1, 11, 12, 13, 15, 16},
    {HostMode::textMode, 8, 8, 9, -1, 10, 11, 12, 14, 15},
    {HostMode::fourPoint, 8, 10, 11, 9, 12, 13, 14, 16, 17},
};

class HeaderPositions : public ::testing::TestWithParam<Positions> {};

TEST_P(HeaderPositions, EveryValueStandsWhereTheProgramReadsIt)
{
    const Positions& at = GetParam();
    HeaderRequest r = sampleRequest(at.mode);
    if (at.mode == HostMode::textMode)
        r.p2 = r.p1;
    Lines lines = buildHeader(r);
    ProgramView program{lines};

    ASSERT_GE(lines.size(), 17u);
    EXPECT_EQ(lines[0], "hq");
    EXPECT_EQ(lines.back(), "#");

    std::vector<std::string> scales = program.tokensAfterTag(2);
    ASSERT_EQ(scales.size(), 16u);
    for (std::size_t g = 0; g < 16; ++g)
        EXPECT_EQ(parseFloat(scales[g]), static_cast<float>(r.sheet.groupScales[g])) << "group " << g;

    std::vector<double> widths = program.fromCharacterFive(3), heights = program.fromCharacterFive(4);
    std::vector<std::string> spacings = program.tokensAfterTag(5);
    ASSERT_EQ(spacings.size(), 10u);
    for (std::size_t t = 0; t < 10; ++t) {
        EXPECT_EQ(widths[t], r.sheet.textTypes[t].width);
        EXPECT_EQ(heights[t], r.sheet.textTypes[t].height);
        EXPECT_EQ(parseDecimal(spacings[t]), r.sheet.textTypes[t].spacing);
    }

    auto expectPoint = [&](int line, const Point& p, const char* name) {
        ASSERT_GE(line, 0);
        Point read = program.point(static_cast<std::size_t>(line));
        EXPECT_EQ(read.x, static_cast<float>(p.x)) << name;
        EXPECT_EQ(read.y, static_cast<float>(p.y)) << name;
    };
    expectPoint(at.p1, r.p1, "point 1");
    expectPoint(at.p2, r.p2, "point 2");
    expectPoint(at.p3, r.p3, "point 3");
    if (at.p4 >= 0)
        expectPoint(at.p4, r.p4, "point 4");

    EXPECT_EQ(lines.at(at.group), "lgb");
    EXPECT_EQ(lines.at(at.group).back(), 'b'); // the program takes the last character
    EXPECT_EQ(lines.at(at.layer), "lye");
    EXPECT_EQ(lines.at(at.color), "lc6");
    EXPECT_EQ(lines.at(at.textType).substr(2, 2), "10");
    EXPECT_EQ(program.fontName(at.font), sjis("ＭＳ 明朝"));
}

INSTANTIATE_TEST_SUITE_P(Modes, HeaderPositions, ::testing::ValuesIn(positions),
                         [](const auto& info) { return std::string(hostModeName(info.param.mode)); });

TEST(HeaderWriter, WritesTheHostsOwnFormsAndDefaults)
{
    HeaderRequest r;
    r.p1 = {1, 2};
    r.p2 = {3, 4};
    r.p3 = {5, 6};
    Lines lines = buildHeader(r);
    const Lines expected = {
        "hq",
        "hk 0",
        "hs 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1",
        "hcw 2 2.5 3 4 5 6 7 8 9 10",
        "hch 2 2.5 3 4 5 6 7 8 9 10",
        "hcd 0 0 0.5 0.5 0.5 0.5 1 1 1 1",
        "hcc      1      1      2      2      3      3      4      4      5      5",
        "hn 1 2 5 6",
        "hp1   1 2",
        "hp2   3 4",
        "hp3-  5 6",
        "lg0",
        "ly0",
        "lc1",
        "lt1",
        "cn1",
        "cn\"$<" + sjis("ＭＳ ゴシック") + ">",
        "#",
    };
    EXPECT_EQ(lines, expected);
}

TEST(HeaderWriter, SelectionModesEndTheHeaderBeforeLine15)
{
    for (HostMode mode : {HostMode::importText, HostMode::frameWrite1, HostMode::frameWrite2}) {
        HeaderRequest r = sampleRequest(mode);
        Lines lines = buildHeader(r);
        ASSERT_EQ(lines.size(), 15u) << hostModeName(mode); // the records begin on line 15
        EXPECT_EQ(lines[0], "hq");
        EXPECT_EQ(lines[2].rfind("hs ", 0), 0u);
        EXPECT_EQ(lines[8], "lgb");
        EXPECT_EQ(lines[9], "lye");
        EXPECT_EQ(lines[10], "lc6");
        EXPECT_EQ(lines[12].substr(2, 2), "10");
        EXPECT_EQ(ProgramView{lines}.fontName(13), sjis("ＭＳ 明朝"));
        EXPECT_EQ(lines[14], "#");
    }
}

TEST(HeaderWriter, RefusesValuesTheHostCannotHold)
{
    auto broken = [](auto change) {
        HeaderRequest r;
        change(r);
        return r;
    };
    const HeaderRequest cases[] = {
        broken([](HeaderRequest& r) { r.sheet.group = 16; }),
        broken([](HeaderRequest& r) { r.sheet.layer = -1; }),
        broken([](HeaderRequest& r) { r.sheet.lineColor = 9; }),
        broken([](HeaderRequest& r) { r.sheet.textType = 0; }),
        broken([](HeaderRequest& r) { r.sheet.groupScales[5] = 0; }),
        broken([](HeaderRequest& r) { r.p3.y = NAN; }),
    };
    for (const HeaderRequest& r : cases)
        EXPECT_THROW(buildHeader(r), Error);
}

TEST(HostDecimal, PlainDecimalsThatReadBackExactly)
{
    const std::pair<double, const char*> cases[] = {
        {100, "100"},
        {-2.5, "-2.5"},
        {0.1, "0.1"},
        {-0.0, "0"},
        {136190.26326708, "136190.26326708"},
        {-45574.8870993316, "-45574.8870993316"},
        {1e-7, "0.0000001"},
        {1e16, "10000000000000000"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(hostDecimal(value), text);

    // Just above the midpoint of two floats: 15 digits fall below it and would
    // read back as the lower float.
    double tricky = 1.0 + std::ldexp(1.0, -24) + std::ldexp(1.0, -50);
    EXPECT_EQ(static_cast<float>(parseDecimal(hostDecimal(tricky))), static_cast<float>(tricky));
    EXPECT_NE(static_cast<float>(tricky), 1.0f);
}

TEST(ExchangeFolder, WritesBothFilesAndCopiesOnlyMissingDataFiles)
{
    const test::Folder temp;
    QDir().mkpath(QString::fromStdString(temp.file("install")));
    QDir().mkpath(QString::fromStdString(temp.file("work/new")));
    writeLines(temp.file("install/PLDATA.tx"), {"installed"});
    writeLines(temp.file("install/PJDATA.tx"), {"installed"});
    writeLines(temp.file("work/new/PLDATA.tx"), {"the user's own"});

    HeaderRequest r = sampleRequest(HostMode::frameWrite2);
    Lines header = buildHeader(r);
    Lines records = {"lg2", "ch 10 20 30 0 \"" + sjis("注釈")};
    std::vector<std::string> copied =
        prepareExchangeFolder(temp.file("work/new"), header, records, temp.file("install"));

    EXPECT_EQ(copied, std::vector<std::string>{"PJDATA.tx"});
    EXPECT_EQ(readLines(temp.file("work/new/PLDATA.tx")), Lines{"the user's own"});
    EXPECT_EQ(readLines(temp.file("work/new/PJDATA.tx")), Lines{"installed"});

    Lines exchange = readLines(temp.file("work/new/jwc_temp.txt"));
    ASSERT_EQ(exchange.size(), header.size() + 2);
    EXPECT_EQ(exchange[15], "lg2");
    EXPECT_EQ(exchange[16], records[1]);
    EXPECT_EQ(readLines(temp.file("work/new/jwc_temp.hdr")), exchange); // kept for the renderer

    const std::string onDisk = temp.bytes("work/new/jwc_temp.txt");
    EXPECT_TRUE(onDisk.starts_with("hq\r\nhk 0\r\n"));
    EXPECT_TRUE(onDisk.ends_with("\"\x92\x8d\x8e\xdf\r\n")); // 注釈 in CP932
}

TEST(HandOver, SplitsTheHeaderFromTheSelection)
{
    const Lines header = buildHeader(sampleRequest(HostMode::frameWrite2));
    const Lines selection = {"lg2", "cn3", "cc4", "ch 0 0 10 0 \"" + sjis("注釈")};
    Lines handOver = header;
    handOver.insert(handOver.end(), selection.begin(), selection.end());
    const struct {
        const char* name;
        Lines file;
        std::optional<HandOver> split;
    } cases[] = {
        {"selection", handOver, HandOver{header, selection}},
        {"header alone", header, HandOver{header, {}}},
        {"no end mark", {"hq", "hk 0", "lg1"}, HandOver{{"hq", "hk 0", "lg1"}, {}}},
        {"processed", {"lg2", "by1", " 0 0 1 1"}, std::nullopt},
        {"emptied", {}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<HandOver> split = splitHandOver(c.file);
        ASSERT_EQ(split.has_value(), c.split.has_value());
        if (split) {
            EXPECT_EQ(split->header, c.split->header);
            EXPECT_EQ(split->selection, c.split->selection);
        }
    }
}

TEST(ExchangeFolder, RecordsAreReadAsUtf8AndAFileInAnotherCodePageIsNamed)
{
    const test::Folder temp;
    const std::string path = temp.file("records.txt");
    struct Case {
        const char* name;
        std::string file;
        std::optional<Lines> records; // nullopt: refused
        std::string message;          // the refusal's text after the path
    };
    const std::vector<Case> cases{
        {"UTF-8 with a byte-order mark",
         "\xEF\xBB\xBF"
         "lg1\nch 0 0 10 0 \"\xE6\xB3\xA8\xE9\x87\x88\n",
         Lines{"lg1", "ch 0 0 10 0 \"" + sjis("注釈")}, ""},
        {"JIS forms become CP932's own", "ch 0 0 10 0 \"W=1200\u301C1500 \u22125\n",
         Lines{"ch 0 0 10 0 \"W=1200\x81\x60"
               "1500 \x81\x7C"
               "5"},
         ""},
        {"an emoji has no CP932 form", "lg1\nch 0 0 10 0 \"\xF0\x9F\x98\x80\n", std::nullopt,
         " line 2: '\xF0\x9F\x98\x80' (U+1F600) has no CP932 form"},
        {"CP932, as the host writes its files", "lg1\r\nch 0 0 10 0 \"" + sjis("注釈") + "\r\n", std::nullopt,
         ": not UTF-8 (line 2); the file looks like CP932"},
        {"neither", "lg1\nch 0 0 10 0 \"\xFF\xFE\x80\n", std::nullopt, ": not UTF-8 (line 2)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile f(QString::fromStdString(path));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.file.data(), static_cast<qint64>(c.file.size()));
        f.close();
        try {
            const Lines records = readUtf8Records(path);
            EXPECT_EQ(std::optional<Lines>(records), c.records);
        } catch (const Error& e) {
            EXPECT_FALSE(c.records);
            const std::string what = e.what();
            EXPECT_EQ(what.substr(0, path.size()), path);
            EXPECT_EQ(what.substr(path.size(), c.message.size()), c.message);
            if (c.message.find("not UTF-8") != std::string::npos) {
                EXPECT_EQ(what.size(), path.size() + c.message.size()) << what;
            }
        }
    }
}

} // namespace
} // namespace tagler::host
