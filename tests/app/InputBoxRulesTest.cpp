// The input box's limits as pure rules: what is removed and where the caret goes.
#include "app/InputBoxRules.h"

#include <gtest/gtest.h>

namespace tagler {
namespace {

std::string utf8(const QString& s) { return s.toStdString(); }

TEST(InputBoxRules, CorrectionRemovesWhatBreaksTheLimitsAndMovesTheCaret)
{
    const QString five = QStringLiteral("1\n2\n3\n4\n5");
    const QString a70(70, QLatin1Char('a'));
    const struct {
        const char* name;
        QString text;
        int caret;
        QString expected;
        int expectedCaret;
    } cases[] = {
        {"within limits", QStringLiteral("abc\ndef"), 5, QStringLiteral("abc\ndef"), 5},
        {"sixth line typed", five + QStringLiteral("\n6"), 11, five, 9},
        {"empty sixth line", five + QStringLiteral("\n"), 10, five, 8},
        {"seven lines pasted, caret below", five + QStringLiteral("\n6\n7"), 13, five, 9},
        {"caret above the cut stays", QStringLiteral("a\nb\nc\nd\ne\nf\ng"), 2, QStringLiteral("a\nb\nc\nd\ne"), 2},
        {"caret below, same column on line five", QStringLiteral("1\n2\n3\n4\n5xyz\nabcdef"), 17,
         QStringLiteral("1\n2\n3\n4\n5xyz"), 12},
        {"71st byte cut", a70 + QStringLiteral("b"), 71, a70, 70},
        {"double-byte character over the limit is not halved", QString(69, QLatin1Char('a')) + QStringLiteral("あ"), 70,
         QString(69, QLatin1Char('a')), 69},
        {"35 double-byte characters fit", QString(35, QChar(0x3042)), 35, QString(35, QChar(0x3042)), 35},
        {"36th double-byte character cut", QString(36, QChar(0x3042)), 36, QString(35, QChar(0x3042)), 35},
        {"wave dashes count their CP932 bytes", QString(36, QChar(0x301C)), 36, QString(35, QChar(0x301C)), 35},
        {"half-width katakana count one byte", QString(70, QChar(0xFF71)), 0, QString(70, QChar(0xFF71)), 0},
        {"tab counts one byte", QStringLiteral("\t") + QString(69, QLatin1Char('a')), 0,
         QStringLiteral("\t") + QString(69, QLatin1Char('a')), 0},
        {"long second line, caret on the first", QStringLiteral("ab\n") + a70 + QStringLiteral("cd"), 1,
         QStringLiteral("ab\n") + a70, 1},
        {"emoji removed, caret follows", QStringLiteral("a\U0001F600b"), 4, QStringLiteral("ab"), 2},
        {"character outside the code page removed", QStringLiteral("caf\u00e9"), 4, QStringLiteral("caf"), 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const InputBoxCorrection correction = correctInputBox(c.text, c.caret);
        EXPECT_EQ(utf8(applyRemovals(c.text, correction.removals)), utf8(c.expected));
        EXPECT_EQ(correction.caret, c.expectedCaret);
        EXPECT_EQ(correction.removals.empty(), c.text == c.expected);
    }
}

TEST(InputBoxRules, AcceptableInputUnifiesLineEndsAndDropsWhatTheGateRefuses)
{
    const struct {
        const char* name;
        QString input;
        QString accepted;
        char32_t firstRefused; // 0: none
        qsizetype at;
    } cases[] = {
        {"windows line ends", QStringLiteral("a\r\nb"), QStringLiteral("a\nb"), 0, 0},
        {"old mac line ends", QStringLiteral("a\rb"), QStringLiteral("a\nb"), 0, 0},
        {"unicode separators", QStringLiteral("a\u2028b\u2029c"), QStringLiteral("a\nb\nc"), 0, 0},
        {"emoji dropped", QStringLiteral("x\U0001F600y"), QStringLiteral("xy"), 0x1F600, 1},
        {"accented latin dropped", QStringLiteral("\u00e9t\u00e9"), QStringLiteral("t"), 0xE9, 0},
        {"code page specials kept", QStringLiteral("①～ｱ\t"), QStringLiteral("①～ｱ\t"), 0, 0},
        {"JIS forms kept", QStringLiteral("W=1200\u301C1500 \u22125"), QStringLiteral("W=1200\u301C1500 \u22125"), 0,
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const AcceptedInput accepted = acceptableInput(c.input);
        EXPECT_EQ(utf8(accepted.text), utf8(c.accepted));
        EXPECT_EQ(accepted.refused ? accepted.refused->character : 0, c.firstRefused);
        EXPECT_EQ(accepted.refused ? accepted.refused->position : 0, c.at);
    }
}

TEST(InputBoxRules, FiveLinesAreTheLimit)
{
    EXPECT_TRUE(withinLineLimit(QStringLiteral("1\n2\n3\n4\n5")));
    EXPECT_FALSE(withinLineLimit(QStringLiteral("1\n2\n3\n4\n5\n")));
}

} // namespace
} // namespace tagler
