#pragma once
#include <optional>
#include <string>
#include <vector>

// Characters as a drafter types them, the CP932 bytes every path must write
// for them (nothing: refused), and the text those bytes read back as.
namespace tagler::test {

struct GateRow {
    const char* name;
    const char* typed; // UTF-8
    std::optional<std::string> bytes;
    const char* readBack; // UTF-8
};

inline const std::vector<GateRow>& textGateTable()
{
    static const std::vector<GateRow> rows{
        // The JIS forms a Linux input method gives.
        {"wave dash", "\u301C", "\x81\x60", "\uFF5E"},
        {"double vertical line", "\u2016", "\x81\x61", "\u2225"},
        {"minus sign", "\u2212", "\x81\x7C", "\uFF0D"},
        {"cent sign", "\u00A2", "\x81\x91", "\uFFE0"},
        {"pound sign", "\u00A3", "\x81\x92", "\uFFE1"},
        {"not sign", "\u00AC", "\x81\xCA", "\uFFE2"},
        {"em dash", "\u2014", "\x81\x5C", "\u2015"},
        {"broken bar", "\u00A6", "\xFA\x55", "\uFFE4"},
        // CP932's own characters, one from each range.
        {"ASCII", "A", "A", "A"},
        {"half-width katakana", "\uFF71", "\xB1", "\uFF71"},
        {"full-width tilde", "\uFF5E", "\x81\x60", "\uFF5E"},
        {"hiragana", "\u3042", "\x82\xA0", "\u3042"},
        {"level 1 kanji", "\u6CE8", "\x92\x8D", "\u6CE8"},
        {"level 2 kanji", "\u5F0C", "\x98\x9F", "\u5F0C"},
        {"NEC row 13", "\u2460", "\x87\x40", "\u2460"},
        {"NEC row 13 symbol", "\u3231", "\x87\x8A", "\u3231"},
        {"IBM extension kanji", "\u9AD9", "\xFB\xFC", "\u9AD9"},
        {"IBM extension numeral", "\u2170", "\xFA\x40", "\u2170"},
        {"NEC and IBM duplicate", "\u2235", "\x81\xE6", "\u2235"},
        // What CP932 cannot hold.
        {"outside the BMP", "\U00020BB7", std::nullopt, ""},
        {"emoji", "\U0001F600", std::nullopt, ""},
        {"e acute", "\u00E9", std::nullopt, ""},
        {"yen sign", "\u00A5", std::nullopt, ""},
    };
    return rows;
}

} // namespace tagler::test
