// Small rules the window relies on: colour box items, the folder line and
// where a remembered window position lands.
#include "settings/ColourItems.h"
#include "app/StatusLine.h"
#include "base/CodePage.h"
#include "settings/AnnotationSettings.h"
#include "ui/WindowPlace.h"

#include <QTest>

using namespace tagler;

class WindowDetailsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void colourItems_data();
    void colourItems();
    void folderLine_data();
    void folderLine();
    void windowPlace_data();
    void windowPlace();
    void storedPlaceMustBeNumbers();
};

void WindowDetailsTest::colourItems_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("value");
    const int custom = 0x123456;
    // Indexes stored by the original files must keep meaning the same colours.
    QTest::newRow("custom entry") << 0 << custom;
    QTest::newRow("black") << 1 << 0;
    QTest::newRow("maroon, red in the low byte") << 2 << 0x000080;
    QTest::newRow("navy, blue in the high byte") << 5 << 0x800000;
    QTest::newRow("silver") << 9 << 12632256;
    QTest::newRow("white") << 16 << 0xFFFFFF;
    QTest::newRow("money green") << 17 << 12639424;
    QTest::newRow("cream") << 19 << 15793151;
    QTest::newRow("medium gray") << 20 << colourValue(160, 160, 164);
    QTest::newRow("beyond the list") << 21 << custom;
}

void WindowDetailsTest::colourItems()
{
    QFETCH(int, index);
    QFETCH(int, value);
    QCOMPARE(colourItemValue(index, 0x123456), value);
}

void WindowDetailsTest::folderLine_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no folder stored: the start folder's name")
        << QString() << QStringLiteral("/home/u/図面") << QStringLiteral("[ 基本設定 1 ]　文字帳フォルダ = 図面");
    QTest::newRow("trailing separator") << QString() << QStringLiteral("/home/u/work/")
                                        << QStringLiteral("[ 基本設定 1 ]　文字帳フォルダ = work");
    QTest::newRow("stored folder without its leading backslash")
        << QStringLiteral("\\sub\\box") << QStringLiteral("/x") << QStringLiteral("[ 基本設定 1 ]　文字帳フォルダ = sub\\box");
    QTest::newRow("cut to 60 bytes, no half character")
        << QStringLiteral("\\a") + QString(40, QChar(0x3042)) << QStringLiteral("/x")
        << QStringLiteral("[ 基本設定 1 ]　文字帳フォルダ = a") + QString(29, QChar(0x3042));
}

void WindowDetailsTest::folderLine()
{
    QFETCH(QString, folder);
    QFETCH(QString, start);
    QFETCH(QString, expected);
    QCOMPARE(folderStatusLine(sjis("基本設定 1"), toCp932(folder), start.toStdString()), expected);
}

void WindowDetailsTest::windowPlace_data()
{
    QTest::addColumn<int>("screenCount");
    QTest::addColumn<QPoint>("wanted");
    QTest::addColumn<QPoint>("placed");
    QTest::newRow("inside stays") << 1 << QPoint(100, 60) << QPoint(100, 60);
    QTest::newRow("beyond the right edge") << 1 << QPoint(1900, 60) << QPoint(1024 - 731, 60);
    QTest::newRow("above and left") << 1 << QPoint(-500, -40) << QPoint(0, 0);
    QTest::newRow("past the second screen's edge") << 2 << QPoint(1900, 60) << QPoint(2624 - 731, 60);
    QTest::newRow("below the second screen") << 2 << QPoint(1300, 5000) << QPoint(1300, 1200 - 576);
    QTest::newRow("across both: the nearer one") << 2 << QPoint(1000, 100) << QPoint(1024, 100);
}

void WindowDetailsTest::windowPlace()
{
    QFETCH(int, screenCount);
    QFETCH(QPoint, wanted);
    QFETCH(QPoint, placed);
    const QList<QRect> screens = QList<QRect>{QRect(0, 0, 1024, 768), QRect(1024, 0, 1600, 1200)}.first(screenCount);
    QCOMPARE(placeOnScreens(wanted, QSize(731, 576), screens), placed);
}

void WindowDetailsTest::storedPlaceMustBeNumbers()
{
    QCOMPARE(storedWindowPlace(" 12", "34 "), std::optional<QPoint>(QPoint(12, 34)));
    QCOMPARE(storedWindowPlace("x", "34"), std::nullopt);
}

QTEST_GUILESS_MAIN(WindowDetailsTest)
#include "WindowDetailsTest.moc"
