#include "base/CodePage.h"
#include "base/TextGate.h"

#include <gtest/gtest.h>

namespace tagler {
namespace {

TEST(CodePage, ConvertsTheProgramsJapaneseBothWays)
{
    // 入力完了 in CP932; ～ and － are the code page's own forms of the wave dash and minus.
    EXPECT_EQ(sjis("入力完了"), "\x93\xfc\x97\xcd\x8a\xae\x97\xb9");
    EXPECT_EQ(sjis("ＭＳ ゴシック"), "\x82\x6c\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4e");
    EXPECT_EQ(sjis("～"), "\x81\x60");
    EXPECT_EQ(sjis("－"), "\x81\x7c");
    EXPECT_EQ(sjis("①"), "\x87\x40"); // a CP932 extension over plain Shift_JIS
    EXPECT_EQ(toUtf8("\x83\x5e\x83\x4f"), "タグ");
    EXPECT_EQ(toUtf8("abc"), "abc");
}

TEST(CodePage, StrictConversionTakesNoOtherForm)
{
    // A name the file system must find again keeps its own code point or is refused.
    EXPECT_FALSE(toCp932Strict(QString::fromUtf8("\u301C")).has_value());
    EXPECT_EQ(toCp932Strict(QString::fromUtf8("\uFF5E")), std::optional<std::string>("\x81\x60"));
    // The round trip alone would let U+FFFD through as the undefined code FC FC.
    EXPECT_FALSE(toCp932Strict(QStringLiteral("\uFFFD")).has_value());
}

TEST(CodePage, CutsWithoutLeavingHalfACharacter)
{
    const std::string text = sjis("aデータb"); // a + 3 double-byte + b = 8 bytes
    EXPECT_EQ(byteLength(text), 8);
    EXPECT_EQ(cutToBytes(text, 2), "a");
    EXPECT_EQ(cutToBytes(text, 3), sjis("aデ"));
    EXPECT_EQ(cutToBytes(text, 4), sjis("aデ"));
    EXPECT_EQ(cutToBytes(text, 100), text);
    // タ is 83 5E: its trail byte is '^' but it is not a character of its own.
    const std::string ta = sjis("タ^");
    EXPECT_TRUE(startsCharacter(ta, 0));
    EXPECT_FALSE(startsCharacter(ta, 1));
    EXPECT_TRUE(startsCharacter(ta, 2));
}

} // namespace
} // namespace tagler
