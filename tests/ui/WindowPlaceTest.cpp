// Where a remembered window position lands.
#include "ui/WindowPlace.h"

#include <QTest>

using namespace tagler;

class WindowPlaceTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void windowPlace_data();
    void windowPlace();
    void storedPlaceMustBeNumbers();
};

void WindowPlaceTest::windowPlace_data()
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

void WindowPlaceTest::windowPlace()
{
    QFETCH(int, screenCount);
    QFETCH(QPoint, wanted);
    QFETCH(QPoint, placed);
    const QList<QRect> screens = QList<QRect>{QRect(0, 0, 1024, 768), QRect(1024, 0, 1600, 1200)}.first(screenCount);
    QCOMPARE(placeOnScreens(wanted, QSize(731, 576), screens), placed);
}

void WindowPlaceTest::storedPlaceMustBeNumbers()
{
    QCOMPARE(storedWindowPlace(" 12", "34 "), std::optional<QPoint>(QPoint(12, 34)));
    QCOMPARE(storedWindowPlace("x", "34"), std::nullopt);
}

QTEST_GUILESS_MAIN(WindowPlaceTest)
#include "WindowPlaceTest.moc"
