#include "ui/FontChooserDialog.h"
#include "ui/WindowLook.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTest>

namespace tagler {

class FontChooserTest final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void foundrySuffixIsNeverPartOfTheName_data();
    void foundrySuffixIsNeverPartOfTheName();
    void listsJapaneseFamiliesOnly();
    void opensOnTheChosenFamily_data();
    void opensOnTheChosenFamily();
    void namedFontIsTheFaceItsCandidatesGive_data();
    void namedFontIsTheFaceItsCandidatesGive();
};

void FontChooserTest::foundrySuffixIsNeverPartOfTheName_data()
{
    QTest::addColumn<QString>("listed");
    QTest::addColumn<QString>("family");
    QTest::newRow("foundry") << QStringLiteral("C059 [UKWN]") << QStringLiteral("C059");
    QTest::newRow("plain") << QStringLiteral("IPAGothic") << QStringLiteral("IPAGothic");
    QTest::newRow("Japanese name") << QStringLiteral("ＭＳ ゴシック") << QStringLiteral("ＭＳ ゴシック");
    QTest::newRow("bracket inside") << QStringLiteral("Font [A] Bold [URW]") << QStringLiteral("Font [A] Bold");
}

void FontChooserTest::foundrySuffixIsNeverPartOfTheName()
{
    QFETCH(QString, listed);
    QFETCH(QString, family);
    QCOMPARE(plainFamily(listed), family);
}

void FontChooserTest::listsJapaneseFamiliesOnly()
{
    FontChooserDialog dialog(QStringLiteral("IPAGothic"));
    QFontComboBox* box = dialog.familyBox();
    QVERIFY(box->count() > 0);
    for (int i = 0; i < box->count(); ++i)
        QVERIFY2(QFontDatabase::writingSystems(box->itemText(i)).contains(QFontDatabase::Japanese),
                 qPrintable(box->itemText(i)));
}

void FontChooserTest::opensOnTheChosenFamily_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("opensOn");
    QTest::addColumn<bool>("vertical");
    QTest::newRow("installed") << QStringLiteral("IPAGothic") << QStringLiteral("IPAGothic") << false;
    QTest::newRow("vertical form") << QStringLiteral("@IPAGothic") << QStringLiteral("IPAGothic") << true;
    // Not installed here: the same stand-in the window itself uses.
    QTest::newRow("Windows font") << QStringLiteral("ＭＳ ゴシック") << QStringLiteral("IPAGothic") << false;
}

void FontChooserTest::opensOnTheChosenFamily()
{
    QFETCH(QString, stored);
    QFETCH(QString, opensOn);
    QFETCH(bool, vertical);
    if (!QFontDatabase::families(QFontDatabase::Japanese).contains(QStringLiteral("IPAGothic")))
        QSKIP("IPAGothic is not installed");
    FontChooserDialog dialog(stored);
    QCOMPARE(dialog.verticalBox()->isChecked(), vertical);
    QCOMPARE(plainFamily(dialog.familyBox()->currentFont().family()), opensOn);
    // Confirming at once keeps what was stored; a choice is a plain family, in the vertical form if asked.
    QCOMPARE(dialog.chosenName(), stored);
    dialog.verticalBox()->toggle();
    QCOMPARE(dialog.chosenName(), (vertical ? QString() : QStringLiteral("@")) + opensOn);
}

void FontChooserTest::namedFontIsTheFaceItsCandidatesGive_data()
{
    QTest::addColumn<QString>("family");
    QTest::newRow("installed") << QStringLiteral("Noto Sans Mono CJK JP");
    QTest::newRow("Windows font") << QStringLiteral("ＭＳ ゴシック");
    QTest::newRow("vertical form") << QStringLiteral("@ＭＳ 明朝");
    QTest::newRow("unknown") << QStringLiteral("No Such Family");
}

// The window names one installed family where it can, and still gets the
// face the whole list of candidates would have given it.
void FontChooserTest::namedFontIsTheFaceItsCandidatesGive()
{
    QFETCH(QString, family);
    QFont listed;
    listed.setFamilies(fontCandidates(family));
    listed.setPixelSize(kFontPixels);
    const QFont named = namedFont(family);
    QCOMPARE(QFontInfo(named).family(), QFontInfo(listed).family());
#ifndef Q_OS_WIN
    QCOMPARE(named.families().size(), 1);
#endif
}

} // namespace tagler

QTEST_MAIN(tagler::FontChooserTest)
#include "FontChooserTest.moc"
