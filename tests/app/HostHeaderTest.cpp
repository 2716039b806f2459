#include "app/HostHeader.h"

#include "base/CodePage.h"
#include "base/Error.h"
#include "support/ExchangeFixture.h"

#include <gtest/gtest.h>

namespace tagler {
namespace {

using test::headerLines;
using test::HeaderSpec;

TEST(HostHeader, RefusesAFileAlreadyTransformedOrTooShort)
{
    Lines lines = headerLines({});
    EXPECT_EQ(parseHostHeader(lines, SessionMode::normal).state, HeaderState::accepted);

    Lines trailingBlank = lines;
    trailingBlank[0] = "hq ";
    EXPECT_EQ(parseHostHeader(trailingBlank, SessionMode::normal).state, HeaderState::transformed);
    EXPECT_EQ(parseHostHeader({}, SessionMode::normal).state, HeaderState::transformed);

    Lines seventeen(lines.begin(), lines.begin() + 17);
    EXPECT_EQ(parseHostHeader(seventeen, SessionMode::normal).state, HeaderState::accepted);
    Lines sixteen(lines.begin(), lines.begin() + 16);
    EXPECT_EQ(parseHostHeader(sixteen, SessionMode::normal).state, HeaderState::tooShort);
}

TEST(HostHeader, ReadsEachModesLinesByPosition)
{
    struct Case {
        SessionMode mode;
        const char* p1;
        const char* p2;
        const char* p3;
        const char* p4;
    };
    HeaderSpec spec;
    spec.p1 = "1 2";
    spec.p2 = "3 4";
    spec.p3 = "5 6";
    spec.p4 = "7 8";
    spec.colour = "lc5";
    const Case cases[] = {
        {SessionMode::normal, "hp1 1 2", "hp2 3 4", "hp3- 5 6", ""},
        {SessionMode::textMode, "hp1 1 2", "hp1 1 2", "hp2 5 6", ""},
        {SessionMode::fourPoint, "hp1 1 2", "hp2 3 4", "hp3 5 6", "hp4 7 8"},
    };
    for (const Case& c : cases) {
        const HostHeader h = parseHostHeader(headerLines(spec, c.mode), c.mode);
        ASSERT_EQ(h.state, HeaderState::accepted);
        EXPECT_EQ(h.point1Line, c.p1);
        EXPECT_EQ(h.point2Line, c.p2);
        EXPECT_EQ(h.point3Line, c.p3);
        EXPECT_EQ(h.point4Line, c.p4);
        EXPECT_EQ(h.hostGroupRecord, "lg0");
        EXPECT_EQ(h.hostLayerRecord, "ly0");
        // In four-point mode too the colour record follows the layer record;
        // the line after it is the host's line type.
        EXPECT_EQ(h.hostColorRecord, "lc5") << static_cast<int>(c.mode);
        EXPECT_EQ(h.hostTextTypeRecord, "cn1");
        EXPECT_EQ(h.hostFontName, sjis("ＭＳ ゴシック"));
    }
}

TEST(HostHeader, FourPointWithoutItsFontLineIsADataError)
{
    Lines lines = headerLines({}, SessionMode::fourPoint);
    lines.resize(17); // line 17, the font record, is missing
    EXPECT_EQ(parseHostHeader(lines, SessionMode::fourPoint).state, HeaderState::tooShort);
}

TEST(HostHeader, BuildsTheTextTypeLabels)
{
    Lines lines = headerLines({});
    lines[3] = "hcw 2 2.5 3 4 5 6 7 8 9 10";
    lines[4] = "hch 2 2.5 3 4 5 6 7 8 9 10";
    const HostHeader h = parseHostHeader(lines, SessionMode::normal);
    EXPECT_EQ(h.textTypes[0].label, "h2   w2 ");
    EXPECT_EQ(h.textTypes[1].label, "h2.5 w2.5 ");
    EXPECT_EQ(h.textTypes[9].label, "h10  w10");
    EXPECT_EQ(h.textTypes[9].heightToken, "10");
}

TEST(HostHeader, TooFewTextTypesIsARangeError)
{
    Lines lines = headerLines({});
    lines[4] = "hch 2 2.5 3 4 5 6 7 8 9";
    try {
        parseHostHeader(lines, SessionMode::normal);
        FAIL() << "accepted nine text types";
    } catch (const Error& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Range);
    }
}

TEST(HostHeader, TheFontNameIsCutToTwentyNineBytesNeverInHalfACharacter)
{
    const std::string a28(28, 'a');
    const std::string wide15 = sjis("あいうえおかきくけこさしすせそ"); // 30 bytes
    const std::pair<std::string, std::string> cases[] = {
        {"#", sjis("ＭＳ ゴシック")},
        {"cn\"$<" + a28 + ">", a28},
        {"cn\"$<" + a28 + "bc>", a28 + "b"},
        {"cn\"$<a" + wide15 + ">", "a" + wide15.substr(0, 28)},
        {"cn\"$<" + wide15 + ">", wide15.substr(0, 28)},
    };
    for (const auto& [record, name] : cases) {
        Lines lines = headerLines({});
        lines[16] = record;
        EXPECT_EQ(parseHostHeader(lines, SessionMode::normal).hostFontName, name) << toUtf8(record);
    }
}

TEST(HostHeader, CarriesBytesThatAreNotCp932Unchanged)
{
    Lines lines = headerLines({});
    lines[12] = "ly\xff\x80";
    const HostHeader h = parseHostHeader(lines, SessionMode::normal);
    EXPECT_EQ(h.hostLayerRecord, "ly\xff\x80");
}

TEST(ImportTextRecords, TakesTheTextAfterTheFirstQuoteFromLine11On)
{
    Lines lines(11, "ch 0 0 1 0 \"skipped");
    lines.push_back("ch 1 2 3 0 \"abc \"quoted\"");
    lines.push_back("lg3");
    lines.push_back("ch without quote");
    lines.push_back("cn\"$<font>");
    lines.push_back("ch 0 0 1 0 \"");
    const Lines texts = importTextRecords(lines);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], "abc \"quoted\"");
    EXPECT_EQ(texts[1], "");
}

} // namespace
} // namespace tagler
