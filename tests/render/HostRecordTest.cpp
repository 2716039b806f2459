#include "render/HostRecord.h"
#include "base/CodePage.h"

#include <gtest/gtest.h>

namespace tagler::render {
namespace {

struct Parsed {
    std::string line;
    HostRecord expected;
};

// Every form the program writes, and the host's own records copied back.
const std::vector<Parsed>& understood()
{
    static const std::vector<Parsed> cases = {
        {" 0 0 10 2.5", LineRecord{{0, 0}, {10, 2.5}}},
        {" -5.25 3 7 -0.100000001490116", LineRecord{{-5.25, 3}, {7, -0.100000001490116}}},
        {" 1E-7 0 2 3", LineRecord{{1e-7, 0}, {2, 3}}},
        {"ci 1 2 3", CircleRecord{{1, 2}, 3}},
        // The frame literals, written as one string after the radius.
        {"ci 10 20 5 90 -90 1 0", ArcRecord{{10, 20}, 5, 90, -90, 1, 0}},
        {"ci 10 20 5 -90 90 1 0", ArcRecord{{10, 20}, 5, -90, 90, 1, 0}},
        {"ci 10 20 5 180 0 0.65 -90", ArcRecord{{10, 20}, 5, 180, 0, 0.65, -90}},
        {"ci 10 20 5 0 180 1 33.5", ArcRecord{{10, 20}, 5, 0, 180, 1, 33.5}},
        {"sc 1 2 0.5 1 0 0 3.1416 100", SolidCircleRecord{{1, 2}, 0.5, 1, 0, 0, 3.1416, SolidKind::Disc}},
        {"sc 1 2 3 1 0 -1.5708 3.1416 5", SolidCircleRecord{{1, 2}, 3, 1, 0, -1.5708, 3.1416, SolidKind::Segment}},
        {"sc 1 2 3 1 0 0.5 1 0", SolidCircleRecord{{1, 2}, 3, 1, 0, 0.5, 1, SolidKind::Sector}},
        {"sc 1 2 3 1 0 0.5 1 -1", SolidCircleRecord{{1, 2}, 3, 1, 0, 0.5, 1, SolidKind::Outside}},
        {"sl 0 0 4 0 2 3", SolidPolygonRecord{{{0, 0}, {4, 0}, {2, 3}}}},
        {"sl 0 0 4 0 4 3 0 3", SolidPolygonRecord{{{0, 0}, {4, 0}, {4, 3}, {0, 3}}}},
        {"lc3", ColorRecord{3}},
        {"lc8", ColorRecord{8}},
        {"lc10 12639424", FreeColorRecord{12639424}},
        {"lt1", LineTypeRecord{1}},
        {"lt8", LineTypeRecord{8}},
        {"lg0", GroupRecord{0}},
        {"lgf", GroupRecord{15}},
        {"lgA", GroupRecord{10}},
        {"ly4", LayerRecord{4}},
        {"by0.333333343267441", ScaleFactorRecord{0.333333343267441}},
        {"by 2", ScaleFactorRecord{2}},
        {"cn3", TextTypeRecord{3}},
        {"cn10", TextTypeRecord{10}},
        {"cn0 3 4.5 0.5 2", FreeTextSizeRecord{3, 4.5, 0.5, 2}},
        {"cn\"$<" + sjis("ＭＳ ゴシック") + ">", FontRecord{sjis("ＭＳ ゴシック"), false}},
        {"cn\"$<" + sjis("ＭＳ ゴシック") + ">)", FontRecord{sjis("ＭＳ ゴシック"), false}},
        {"cn\"$<@" + sjis("ＭＳ 明朝") + ">", FontRecord{"@" + sjis("ＭＳ 明朝"), false}},
        {"cn\"$<Arial>/", FontRecord{"Arial", true}},
        {"cc0", BasePointRecord{0}},
        {"cc8", BasePointRecord{8}},
        {"ch 1.5 -2 30 0 \"" + sjis("注釈"), TextRecord{{1.5, -2}, {30, 0}, sjis("注釈")}},
        // Rotated layout: two blanks before the 0.
        {"ch 1 2  0 30 \"ABC", TextRecord{{1, 2}, {0, 30}, "ABC"}},
        {"ch 1 2 -30 0 \"ABC", TextRecord{{1, 2}, {-30, 0}, "ABC"}},
        // Everything after the first quote is text: quotes, blanks, markup.
        {"ch 0 0 9 0 \"a \"b\"^u2 ", TextRecord{{0, 0}, {9, 0}, "a \"b\"^u2 "}},
        {"ch 0 0 9 0 \"", TextRecord{{0, 0}, {9, 0}, ""}},
        // タ is 83 5E: a trail byte that looks like the markup's ^.
        {"ch 0 0 4 0 \"" + sjis("タ^1"), TextRecord{{0, 0}, {4, 0}, sjis("タ^1")}},
        {"#", CommentRecord{}},
        {"# any note", CommentRecord{}},
        {"", CommentRecord{}},
    };
    return cases;
}

TEST(HostRecordParser, ReadsEveryForm)
{
    for (const Parsed& c : understood())
        EXPECT_EQ(parseRecord(c.line), c.expected) << "line '" << toUtf8(c.line) << "'";
}

TEST(HostRecordParser, LeavesWhatTheHostWouldNotUnderstand)
{
    const char* rejected[] = {
        "hq", // a header left in place
        "hp1   1 2",
        "zz 1 2",
        " 1 2 3", // a line needs four numbers
        " 1 2 3 4 5",
        " 1 2 x 4",
        "ci 1 2", // neither circle nor arc
        "ci 1 2 3 90 -90 1",
        "sc 1 2 3 1 0 0 3.1416 7", // no such solid kind
        "sl 0 0 1 1 2",
        "sl 0 0 1 1 2 2 3",
        "lc0",
        "lc9",
        "lc10", // the free colour needs its value
        "lc10 -1",
        "lc10 16777216",
        "lt0",
        "lt9",
        "lg",
        "lgg",
        "lg12",
        "by",
        "byx",
        "cn0",
        "cn11",
        "cn0 3 4 0.5",
        "cn\"Arial",   // no $<
        "cn\"$<Arial", // no >
        "cc9",
        "ch 1 2 3 4 no quote",
        "ch 1 2 3 \"x",
    };
    for (const char* line : rejected) {
        HostRecord r = parseRecord(line);
        ASSERT_TRUE(std::holds_alternative<UnknownRecord>(r)) << "line '" << line << "'";
        EXPECT_EQ(std::get<UnknownRecord>(r).line, line);
        EXPECT_FALSE(std::get<UnknownRecord>(r).reason.empty());
    }
}

} // namespace
} // namespace tagler::render
