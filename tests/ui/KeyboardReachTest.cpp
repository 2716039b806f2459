// The window by keyboard: where the focus starts, the Tab walk, the way out of the input box.
#include "UiTestSupport.h"

#include "ui/InputBox.h"
#include "ui/TextBookGrid.h"
#include "ui/WindowStyle.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTableView>

namespace tagler {

using test::Folder;
using test::headerLines;
using test::WindowUnderTest;

class KeyboardReachTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(new WindowStyle); } // as the program does
    void init();
    void cleanup();
    void typedTextAtStartLandsInTheInputBox();
    void tabWalksEveryControlInReadingOrder();
    void ctrlTabLeavesTheInputBox();
    void aFocusedControlIsMarked();

private:
    std::unique_ptr<Folder> folder_;
    std::unique_ptr<WindowUnderTest> w_;
};

void KeyboardReachTest::init()
{
    folder_ = std::make_unique<Folder>(Folder::withDataFiles);
    folder_->write("jwc_temp.txt", headerLines({}));
    w_ = std::make_unique<WindowUnderTest>(*folder_);
    w_->window.show();
    w_->window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w_->window));
}

void KeyboardReachTest::cleanup()
{
    w_.reset();
    folder_.reset();
}

void KeyboardReachTest::typedTextAtStartLandsInTheInputBox()
{
    const MainControls& c = w_->c();
    const int tip = c.tipSymbol->currentIndex();
    QCOMPARE(QApplication::focusWidget(), c.input);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("abc"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(c.input->toPlainText(), QStringLiteral("abc"));
    QCOMPARE(c.tipSymbol->currentIndex(), tip);
}

void KeyboardReachTest::tabWalksEveryControlInReadingOrder()
{
    const MainControls& c = w_->c();
    c.tipSymbol->setFocus();
    std::vector<QWidget*> walk;
    for (int k = 0; k < 80 && (walk.empty() || walk.back() != c.switchTextBook); ++k) {
        walk.push_back(QApplication::focusWidget());
        if (walk.back() == c.input)
            QTest::keyClick(c.input, Qt::Key_Tab, Qt::ControlModifier);
        else
            QTest::keyClick(walk.back(), Qt::Key_Tab);
    }
    // Every button of the window, reached in this order (others may stand between them).
    std::vector<QWidget*> expected = {c.tipSymbol,    c.frameType,       c.textType,         c.input,
                                      c.fontSwitch,   c.clear,           c.registerSettings, c.basicSettings,
                                      c.imeStartMode, c.useEmbeddedText, c.fillInside,       c.slotSave};
    expected.insert(expected.end(), c.slotButtons.begin(), c.slotButtons.end());
    expected.insert(expected.end(), std::initializer_list<QWidget*>{
                                        c.rememberLength, c.tiltFrame, c.complete, c.textBookGrid, c.tableOfContents,
                                        c.hintMode, c.help, c.registerBlock, c.deleteBlock, c.switchTextBook});
    auto at = walk.begin();
    for (QWidget* w : expected) {
        at = std::find(at, walk.end(), w);
        QVERIFY2(
            at != walk.end(),
            qPrintable(w->metaObject()->className() + QStringLiteral(" ") +
                       (qobject_cast<QAbstractButton*>(w) ? qobject_cast<QAbstractButton*>(w)->text() : QString())));
    }
    // Buttons keep the focus where the user types when clicked.
    c.input->setFocus();
    QTest::mouseClick(c.registerSettings, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), c.input);
}

void KeyboardReachTest::ctrlTabLeavesTheInputBox()
{
    const MainControls& c = w_->c();
    c.input->setFocus();
    QTest::keyClick(c.input, Qt::Key_Tab); // a tab is text here
    QCOMPARE(c.input->toPlainText(), QStringLiteral("\t"));
    QCOMPARE(QApplication::focusWidget(), c.input);
    QTest::keyClick(c.input, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(QApplication::focusWidget(), c.fontSwitch);
    c.input->setFocus();
    QTest::keyClick(c.input, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), c.textType);
    QCOMPARE(c.input->toPlainText(), QStringLiteral("\t"));
}

void KeyboardReachTest::aFocusedControlIsMarked()
{
    const MainControls& c = w_->c();
    const QColor mark = c.registerSettings->palette().color(QPalette::Active, QPalette::Highlight);
    c.tiltFrame->setChecked(true); // a down toggle is drawn by its style sheet
    for (QWidget* control : std::initializer_list<QWidget*>{c.registerSettings, c.complete, c.frameType, c.tiltFrame}) {
        const QPoint edge(1, control->height() / 2);
        control->setFocus(Qt::TabFocusReason);
        QCOMPARE(control->grab().toImage().pixelColor(edge), mark);
        c.input->setFocus();
        QVERIFY(control->grab().toImage().pixelColor(edge) != mark);
    }
}

} // namespace tagler

QTEST_MAIN(tagler::KeyboardReachTest)
#include "KeyboardReachTest.moc"
