#include "base/TextGate.h"
#include "base/CodePage.h"
#include "support/TextGateTable.h"

#include <QList>
#include <gtest/gtest.h>

namespace tagler {
namespace {

QString utf8(const char* text) { return QString::fromUtf8(text); }

TEST(TextGate, WritesWhatTheHostReadsOrRefusesTheCharacter)
{
    for (const test::GateRow& row : test::textGateTable()) {
        SCOPED_TRACE(row.name);
        const QString typed = utf8(row.typed);
        const GatedText gated = passTextGate(QStringLiteral("a") + typed + QStringLiteral("b"));
        if (row.bytes) {
            ASSERT_FALSE(gated.refused);
            EXPECT_EQ(gated.bytes, "a" + *row.bytes + "b");
            EXPECT_EQ(fromCp932(gated.bytes), QStringLiteral("a") + utf8(row.readBack) + QStringLiteral("b"));
        } else {
            ASSERT_TRUE(gated.refused);
            EXPECT_EQ(gated.refused->character, typed.toUcs4().front());
            EXPECT_EQ(gated.refused->position, 1);
            EXPECT_EQ(gated.refused->reason, RefusalReason::noCp932Form);
            EXPECT_TRUE(gated.bytes.empty());
        }
    }
}

TEST(TextGate, TextAUserMayEnter)
{
    const struct {
        const char* name;
        QString text;
        bool accepted;
    } rows[] = {
        {"Japanese and ASCII", QStringLiteral("防火戸 W=1200"), true},
        {"tab and line breaks", QStringLiteral("a\tb\r\nc\n"), true},
        {"replacement character", QStringLiteral("a\uFFFDb"), false},
        {"NUL", QString(QChar(0)) + QStringLiteral("a"), false},
        {"vertical tab", QStringLiteral("a\vb"), false},
        {"form feed", QStringLiteral("a\fb"), false},
        {"end of file mark", QStringLiteral("a\u001Ab"), false},
        {"delete", QStringLiteral("a\u007Fb"), false},
        {"C1 control", QStringLiteral("a\u0085b"), false},
        {"no CP932 form", QStringLiteral("a\u00E9b"), false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(toCp932Text(row.text).has_value(), row.accepted) << row.name;
}

TEST(TextGate, NamesTheFirstRefusedCharacterAndWhy)
{
    const struct {
        QString text;
        char32_t character;
        qsizetype position;
        RefusalReason reason;
        QString message;
        std::string note;
    } rows[] = {
        {utf8("〜\U00020BB7é"), 0x20BB7, 1, RefusalReason::noCp932Form,
         utf8("「\U00020BB7」(U+20BB7) はシフトJIS（CP932）にない文字のため、使えません。"),
         "'\U00020BB7' (U+20BB7) has no CP932 form"},
        {utf8("\U0001F600x\v"), 0x1F600, 0, RefusalReason::noCp932Form,
         utf8("「\U0001F600」(U+1F600) はシフトJIS（CP932）にない文字のため、使えません。"),
         "'\U0001F600' (U+1F600) has no CP932 form"},
        {utf8("注釈\v"), 0x0B, 2, RefusalReason::controlCharacter,
         utf8("制御文字 U+000B は行や記録を途中で切るため、使えません。"),
         "control character U+000B would end or split a line"},
        {utf8("a\uFFFD"), 0xFFFD, 1, RefusalReason::lostCharacter,
         utf8("「\uFFFD」(U+FFFD) は読めなかった文字の印のため、使えません。"),
         "U+FFFD marks a character lost before it came here"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.note);
        const GatedText gated = passTextGate(row.text);
        ASSERT_TRUE(gated.refused);
        EXPECT_EQ(gated.refused->character, row.character);
        EXPECT_EQ(gated.refused->position, row.position);
        EXPECT_EQ(gated.refused->reason, row.reason);
        EXPECT_EQ(refusalMessage(*gated.refused), row.message);
        EXPECT_EQ(refusalNote(*gated.refused), row.note);
    }
}

} // namespace
} // namespace tagler
