// The IME start-mode toggle: the cycle of modes and what it asks the input method.
#include "app/ImeStartButton.h"
#include "ui/QtImeControl.h"

#include <QTest>

using namespace tagler;

Q_DECLARE_METATYPE(tagler::ImeMode)

class ImeStartButtonTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void atStart_data();
    void atStart();
    void rightButtonWhileUpChangesNothing();
    void fourRightClicksReturnToTheStartMode();
    void leftClicksOpenAndCloseTheInputMethod();
};

void ImeStartButtonTest::atStart_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("down");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("requests");
    QTest::newRow("up") << 0 << false << 1 << 0;
    QTest::newRow("hiragana") << 1 << true << 1 << 1;
    QTest::newRow("half-width katakana") << 3 << true << 3 << 1;
    QTest::newRow("full-width alphanumeric") << 4 << true << 4 << 1;
    QTest::newRow("out of the cycle is up") << 7 << false << 1 << 0;
}

void ImeStartButtonTest::atStart()
{
    QFETCH(int, stored);
    QFETCH(bool, down);
    QFETCH(int, mode);
    QFETCH(int, requests);
    QtImeControl ime;
    const ImeStartButton b = imeButtonAtStart(stored, ime);
    QCOMPARE(b.down, down);
    QCOMPARE(b.mode, mode);
    QCOMPARE(static_cast<int>(ime.requested().size()), requests);
    if (down)
        QCOMPARE(ime.current(), imeModeFor(mode));
    QCOMPARE(b.storedValue(), down ? mode : 0);
}

void ImeStartButtonTest::rightButtonWhileUpChangesNothing()
{
    QtImeControl ime;
    const ImeStartButton up{false, 2};
    QCOMPARE(advanceImeButton(up, ime), up);
    QVERIFY(ime.requested().empty());
}

void ImeStartButtonTest::fourRightClicksReturnToTheStartMode()
{
    QtImeControl ime;
    ImeStartButton b = imeButtonAtStart(2, ime);
    std::vector<int> seen;
    for (int i = 0; i < 4; ++i) {
        b = advanceImeButton(b, ime);
        seen.push_back(b.mode);
    }
    QCOMPARE(seen, (std::vector<int>{3, 4, 1, 2}));
    QCOMPARE(ime.current(), ImeMode::katakanaFull);
    QCOMPARE(b.storedValue(), 2);
}

void ImeStartButtonTest::leftClicksOpenAndCloseTheInputMethod()
{
    QtImeControl ime;
    ImeStartButton b = imeButtonAtStart(4, ime);
    b = clickImeButton(b, ime);
    QVERIFY(!b.down);
    QCOMPARE(ime.current(), ImeMode::closed);
    QCOMPARE(b.storedValue(), 0);
    // The caption kept its mode while up; pressing again asks for it.
    b = clickImeButton(b, ime);
    QCOMPARE(ime.current(), ImeMode::alphanumericFull);
    QCOMPARE(b.storedValue(), 4);
}

QTEST_GUILESS_MAIN(ImeStartButtonTest)
#include "ImeStartButtonTest.moc"
