// The input box's limits as pure rules: what is removed and where the caret goes.
#include "app/InputBoxRules.h"

#include <QTest>

using namespace tagler;

class InputBoxRulesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void correction_data();
    void correction();
    void acceptableInput_data();
    void acceptableInput();
    void lineLimit();
};

void InputBoxRulesTest::correction_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedCaret");

    const QString five = QStringLiteral("1\n2\n3\n4\n5");
    const QString a70(70, QLatin1Char('a'));
    QTest::newRow("within limits") << QStringLiteral("abc\ndef") << 5 << QStringLiteral("abc\ndef") << 5;
    QTest::newRow("sixth line typed") << five + QStringLiteral("\n6") << 11 << five << 9;
    QTest::newRow("empty sixth line") << five + QStringLiteral("\n") << 10 << five << 8;
    QTest::newRow("seven lines pasted, caret below") << five + QStringLiteral("\n6\n7") << 13 << five << 9;
    QTest::newRow("caret above the cut stays")
        << QStringLiteral("a\nb\nc\nd\ne\nf\ng") << 2 << QStringLiteral("a\nb\nc\nd\ne") << 2;
    QTest::newRow("caret below, same column on line five")
        << QStringLiteral("1\n2\n3\n4\n5xyz\nabcdef") << 17 << QStringLiteral("1\n2\n3\n4\n5xyz") << 12;
    QTest::newRow("71st byte cut") << a70 + QStringLiteral("b") << 71 << a70 << 70;
    QTest::newRow("double-byte character over the limit is not halved")
        << QString(69, QLatin1Char('a')) + QStringLiteral("あ") << 70 << QString(69, QLatin1Char('a')) << 69;
    QTest::newRow("35 double-byte characters fit") << QString(35, QChar(0x3042)) << 35 << QString(35, QChar(0x3042))
                                                    << 35;
    QTest::newRow("36th double-byte character cut") << QString(36, QChar(0x3042)) << 36
                                                     << QString(35, QChar(0x3042)) << 35;
    QTest::newRow("half-width katakana count one byte") << QString(70, QChar(0xFF71)) << 0
                                                        << QString(70, QChar(0xFF71)) << 0;
    QTest::newRow("tab counts one byte") << QStringLiteral("\t") + QString(69, QLatin1Char('a')) << 0
                                         << QStringLiteral("\t") + QString(69, QLatin1Char('a')) << 0;
    QTest::newRow("long second line, caret on the first")
        << QStringLiteral("ab\n") + a70 + QStringLiteral("cd") << 1 << QStringLiteral("ab\n") + a70 << 1;
    QTest::newRow("emoji removed, caret follows") << QStringLiteral("a\U0001F600b") << 4 << QStringLiteral("ab") << 2;
    QTest::newRow("character outside the code page removed") << QStringLiteral("caf\u00e9") << 4
                                                             << QStringLiteral("caf") << 3;
}

void InputBoxRulesTest::correction()
{
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QString, expected);
    QFETCH(int, expectedCaret);

    const InputBoxCorrection c = correctInputBox(text, caret);
    QCOMPARE(applyRemovals(text, c.removals), expected);
    QCOMPARE(c.caret, expectedCaret);
    QCOMPARE(c.removals.empty(), text == expected);
}

void InputBoxRulesTest::acceptableInput_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("accepted");
    QTest::newRow("windows line ends") << QStringLiteral("a\r\nb") << QStringLiteral("a\nb");
    QTest::newRow("old mac line ends") << QStringLiteral("a\rb") << QStringLiteral("a\nb");
    QTest::newRow("unicode separators") << QStringLiteral("a\u2028b\u2029c") << QStringLiteral("a\nb\nc");
    QTest::newRow("emoji dropped") << QStringLiteral("x\U0001F600y") << QStringLiteral("xy");
    QTest::newRow("accented latin dropped") << QStringLiteral("\u00e9t\u00e9") << QStringLiteral("t");
    QTest::newRow("code page specials kept") << QStringLiteral("①～ｱ\t") << QStringLiteral("①～ｱ\t");
}

void InputBoxRulesTest::acceptableInput()
{
    QFETCH(QString, input);
    QFETCH(QString, accepted);
    QCOMPARE(tagler::acceptableInput(input), accepted);
}

void InputBoxRulesTest::lineLimit()
{
    QVERIFY(withinLineLimit(QStringLiteral("1\n2\n3\n4\n5")));
    QVERIFY(!withinLineLimit(QStringLiteral("1\n2\n3\n4\n5\n")));
}

QTEST_GUILESS_MAIN(InputBoxRulesTest)
#include "InputBoxRulesTest.moc"
