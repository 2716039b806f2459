#include "writer/HostCodeLine.h"

#include "base/CodePage.h"

#include <gtest/gtest.h>

#include <vector>

namespace tagler {
namespace {

struct Piece {
    const char* text; // UTF-8
    int width;
};

struct SplitCase {
    const char* rest; // UTF-8; the line after its "$1"
    std::vector<Piece> pieces;
};

std::string describe(const std::vector<HostCodePiece>& pieces)
{
    std::string text;
    for (const HostCodePiece& p : pieces)
        text += '[' + toUtf8(p.text) + "](" + std::to_string(p.estimatedWidth) + ')';
    return text;
}

TEST(HostCodeLine, EveryCodeStartsAPieceSizedForWhatTheHostWrites)
{
    const SplitCase cases[] = {
        {"ABC=f DEF", {{"ABC", 3}, {"=f", 10}, {" DEF", 4}}},
        {"%", {{"%", 2}}},
        {"abc%", {{"abc", 3}, {"%", 2}}},
        {"=F", {{"=F", 19}}},
        {"_F_f", {{"_F", 19}, {"_f", 10}}},
        // Only "=" and "_" announce the long date forms.
        {"%f&F$f", {{"%f", 2}, {"&F", 2}, {"$f", 2}}},
        {"$ma&wa=wax", {{"$ma", 3}, {"&wa", 3}, {"=wa", 3}, {"x", 1}}},
        {"%mb", {{"%m", 2}, {"b", 1}}},
        {"%d%m", {{"%d", 2}, {"%m", 2}}},
        // A marker after a marker is the code's letter, not a new code.
        {"%%d", {{"%%", 2}, {"d", 1}}},
        // Runs count bytes: a double-byte character takes two.
        {"日本", {{"日本", 4}}},
        {"a日b_d時", {{"a日b", 4}, {"_d", 2}, {"時", 2}}},
        {"%日x", {{"%日", 3}, {"x", 1}}},
        // ダ is 83 5F: its trail byte is "_" but starts no code.
        {"ダf", {{"ダf", 3}}},
        {"ダ_f", {{"ダ", 2}, {"_f", 10}}},
        {"^u=F^d", {{"^u", 2}, {"=F", 19}, {"^d", 2}}},
        {"", {}},
    };
    for (const SplitCase& c : cases) {
        std::vector<HostCodePiece> expected;
        for (const Piece& p : c.pieces)
            expected.push_back({sjis(p.text), p.width});
        const std::vector<HostCodePiece> pieces = splitHostCodeLine(sjis(c.rest));
        EXPECT_EQ(describe(pieces), describe(expected)) << '"' << c.rest << '"';
        // The pieces together are the line as typed, byte for byte.
        std::string joined;
        for (const HostCodePiece& p : pieces)
            joined += p.text;
        EXPECT_EQ(joined, sjis(c.rest)) << '"' << c.rest << '"';
    }
}

} // namespace
} // namespace tagler
