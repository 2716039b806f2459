// Where a remembered window position lands.
#include "ui/WindowPlace.h"
#include "ui/ToolWindowPlace.h"

#include <QTest>

using namespace tagler;

class WindowPlaceTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void windowPlace_data();
    void windowPlace();
    void storedPlaceMustBeNumbers();
    void toolWindowPlace_data();
    void toolWindowPlace();
    void toolWindowReopensWithinAShrunkScreen();
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

void WindowPlaceTest::toolWindowPlace_data()
{
    QTest::addColumn<QRect>("owner");
    QTest::addColumn<QRect>("placed");
    QTest::addColumn<bool>("overOwner");
    // 1280 × 1024, a 530 × 430 frame that may shrink to 250 × 210.
    QTest::newRow("right") << QRect(0, 0, 733, 600) << QRect(741, 0, 530, 430) << false;
    QTest::newRow("left, when the right is short") << QRect(540, 100, 733, 600) << QRect(2, 100, 530, 430) << false;
    QTest::newRow("below, when neither side has room")
        << QRect(100, 60, 733, 500) << QRect(100, 568, 530, 430) << false;
    QTest::newRow("above, last") << QRect(300, 500, 733, 500) << QRect(300, 62, 530, 430) << false;
    QTest::newRow("right, raised to stay on the screen")
        << QRect(0, 700, 733, 300) << QRect(741, 594, 530, 430) << false;
    // A 1280 × 1024 screen as drafters have it: 439 free on the right, 360 below.
    QTest::newRow("no whole room: the largest side, shrunk")
        << QRect(100, 60, 733, 596) << QRect(100, 664, 530, 360) << false;
    QTest::newRow("no side at all: least overlap, 入力完了 spared")
        << QRect(0, 0, 1100, 900) << QRect(750, 594, 530, 430) << true;
    QTest::newRow("the owner fills the screen") << QRect(0, 0, 1280, 1024) << QRect(0, 0, 530, 430) << true;
}

void WindowPlaceTest::toolWindowPlace()
{
    QFETCH(QRect, owner);
    QFETCH(QRect, placed);
    QFETCH(bool, overOwner);
    const QRect screen(0, 0, 1280, 1024);
    // 入力完了 sits in the owner's right column.
    const QRect complete(owner.right() - 360, owner.top() + 270, 90, 30);
    const QRect got = placeToolWindow({owner, complete, screen, QSize(530, 430), QSize(250, 210), 8});
    QCOMPARE(got, placed);
    QVERIFY(screen.contains(got));
    QVERIFY(!got.intersects(complete));
    QCOMPARE(got.intersects(owner), overOwner);
}

void WindowPlaceTest::toolWindowReopensWithinAShrunkScreen()
{
    const QRect owner(100, 60, 733, 600), wide(0, 0, 1920, 1080);
    const auto on = [&](QRect screen) { return ToolWindowRoom{owner, {}, screen, {530, 430}, {250, 210}, 8}; };
    const QRect first = reopenToolWindow(std::nullopt, {}, on(wide));
    QCOMPARE(first, placeToolWindow(on(wide)));
    // The same screen: where it was, even moved over the window by hand; dragged partly off it: back within.
    QCOMPARE(reopenToolWindow(first.translated(-400, 0), wide, on(wide)), first.translated(-400, 0));
    QVERIFY(wide.contains(reopenToolWindow(first.translated(1500, 0), wide, on(wide))));
    // The screen shrinks between two openings: placed anew within it, beside the window while there is room.
    for (const QRect& shrunk : {QRect(0, 0, 1280, 1024), QRect(0, 0, 1024, 768)}) {
        const QRect again = reopenToolWindow(first, wide, on(shrunk));
        QVERIFY(shrunk.contains(again) && again.intersects(owner) == (shrunk.width() < 1280));
    }
}

QTEST_GUILESS_MAIN(WindowPlaceTest)
#include "WindowPlaceTest.moc"
