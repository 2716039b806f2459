// The window by keys alone, round two: activating a block, the panels, context menus, focus frames, titles.
#include "UiTestSupport.h"

#include "ui/GridPopupMenu.h"
#include "ui/InputBox.h"
#include "ui/RealSizePreviewWindow.h"
#include "ui/TextBookGrid.h"
#include "ui/WindowStyle.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>

namespace tagler {

using test::Folder;
using test::headerLines;
using test::WindowUnderTest;

namespace {

QWidget* focused() { return QApplication::focusWidget(); }

// Tab from wherever the focus is until target has it, as a drafter would.
bool tabTo(const QWidget* target)
{
    for (int k = 0; k < 80 && focused() != target; ++k)
        QTest::keyClick(focused(), Qt::Key_Tab,
                        focused()->inherits("tagler::InputBox") ? Qt::ControlModifier : Qt::NoModifier);
    return focused() == target;
}

// The menu key as the platform sends it: a context menu event to the focused control, at its caret.
void pressMenuKey()
{
    QWidget* w = focused();
    const QPoint at = w->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, w->mapToGlobal(at));
    QApplication::sendEvent(w, &menu);
}

} // namespace

class KeyboardRoundTwoTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(new WindowStyle); } // as the program does
    void init();
    void cleanup();
    void enterCopiesABlockAndF2EditsIt();
    void panelsTakeTheFocusAndGiveItBack_data();
    void panelsTakeTheFocusAndGiveItBack();
    void menuKeysOpenTheGridMenuAtTheCurrentCell();
    void gridsShowWhereTheFocusIs();
    void emptyTitlesAreSavedEmpty_data();
    void emptyTitlesAreSavedEmpty();

private:
    std::unique_ptr<Folder> folder_;
    std::unique_ptr<WindowUnderTest> w_;
};

void KeyboardRoundTwoTest::init()
{
    folder_ = std::make_unique<Folder>(Folder::withDataFiles);
    folder_->write("jwc_temp.txt", headerLines({}));
    w_ = std::make_unique<WindowUnderTest>(*folder_);
    w_->window.show();
    w_->window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w_->window));
}

void KeyboardRoundTwoTest::cleanup()
{
    w_.reset();
    folder_.reset();
}

void KeyboardRoundTwoTest::enterCopiesABlockAndF2EditsIt()
{
    const MainControls& c = w_->c();
    QSignalSpy finished(&w_->window, &MainWindow::finished);
    QVERIFY(tabTo(c.textBookGrid));
    QTest::keyClick(focused(), Qt::Key_Down);
    const QString block = c.textBookGrid->currentIndex().data().toString();
    QVERIFY(!block.isEmpty());
    QTest::keyClick(focused(), Qt::Key_Return);
    QCOMPARE(c.input->toPlainText(), block.trimmed()); // without the block's empty last lines
    QCOMPARE(finished.count(), 0);
    QCOMPARE(focused(), c.textBookGrid);

    QTest::keyClick(focused(), Qt::Key_F2);
    QVERIFY(c.textBookGrid->isAncestorOf(focused())); // the cell's editor
    QVERIFY(!w_->window.realSizePreview().isVisible());
    QTest::keyClicks(focused(), QStringLiteral("x"));
    QTest::keyClick(focused(), Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(focused(), c.textBookGrid);
    QCOMPARE(c.textBookGrid->currentIndex().data().toString(), block + QStringLiteral("x"));
}

void KeyboardRoundTwoTest::panelsTakeTheFocusAndGiveItBack_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<int>("openingKey");
    QTest::newRow("基本設定 by Space") << 0 << int(Qt::Key_Space);
    QTest::newRow("memos by Shift+F10 on 保存") << 1 << int(Qt::Key_F10);
    QTest::newRow("memos by the menu key on 保存") << 1 << int(Qt::Key_Menu);
}

void KeyboardRoundTwoTest::panelsTakeTheFocusAndGiveItBack()
{
    QFETCH(int, panel);
    QFETCH(int, openingKey);
    const MainControls& c = w_->c();
    QWidget* opener = panel == 0 ? static_cast<QWidget*>(c.basicSettings) : c.slotSave;
    QFrame* shown = panel == 0 ? c.basicPanel : c.memoPanel;
    QVERIFY(tabTo(opener));
    if (openingKey == Qt::Key_Menu)
        pressMenuKey();
    else
        QTest::keyClick(opener, Qt::Key(openingKey), openingKey == Qt::Key_F10 ? Qt::ShiftModifier : Qt::NoModifier);
    QVERIFY(shown->isVisible());
    QVERIFY(shown->isAncestorOf(focused()));

    // Tab and Ctrl+Tab, forwards and back, stay among the panel's own visible controls and come round.
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_Tab, Qt::KeyboardModifiers(Qt::NoModifier)},
                                         std::pair{Qt::Key_Backtab, Qt::KeyboardModifiers(Qt::ShiftModifier)},
                                         std::pair{Qt::Key_Tab, Qt::KeyboardModifiers(Qt::ControlModifier)}}) {
        QWidget* start = focused();
        int steps = 0;
        do {
            QTest::keyClick(focused(), key, modifiers);
            QVERIFY2(shown->isAncestorOf(focused()) && focused()->isVisible(), focused()->metaObject()->className());
        } while (focused() != start && ++steps < 60);
        QVERIFY(steps >= 3 && steps < 60);
    }
    QTest::keyClick(focused(), Qt::Key_Tab); // Esc from a list, which would take it as a letter to search for
    QTest::keyClick(focused(), Qt::Key_Escape);
    QVERIFY(!shown->isVisible());
    QCOMPARE(focused(), opener);
}

void KeyboardRoundTwoTest::menuKeysOpenTheGridMenuAtTheCurrentCell()
{
    const MainControls& c = w_->c();
    QVERIFY(tabTo(c.textBookGrid));
    QTest::keyClick(focused(), Qt::Key_Down);
    QTest::keyClick(focused(), Qt::Key_Right);
    const QRect cell = c.textBookGrid->visualRect(c.textBookGrid->currentIndex());
    const QRect onScreen(c.textBookGrid->viewport()->mapToGlobal(cell.topLeft()), cell.size());
    for (bool menuKey : {false, true}) {
        GridPopupMenu& menu = w_->window.gridMenu();
        if (menuKey)
            pressMenuKey();
        else
            QTest::keyClick(focused(), Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(menu.isVisible());
        QVERIFY2(onScreen.contains(menu.pos()),
                 qPrintable(QStringLiteral("menu at %1,%2").arg(menu.pos().x()).arg(menu.pos().y())));
        menu.hide();
    }
}

void KeyboardRoundTwoTest::gridsShowWhereTheFocusIs()
{
    const MainControls& c = w_->c();
    for (QTableView* grid : {static_cast<QTableView*>(c.textBookGrid), c.tableOfContents}) {
        QVERIFY(tabTo(grid));
        const QRect cell = grid->visualRect(grid->currentIndex());
        const QImage focusedLook = grid->grab().toImage();
        c.input->setFocus();
        const QImage unfocusedLook = grid->grab().toImage();
        const QColor mark = grid->palette().color(QPalette::Active, QPalette::Highlight);
        // The view's frame, and a frame inside its current cell that the selection does not hide.
        QCOMPARE(focusedLook.pixelColor(0, grid->height() / 2), mark);
        QVERIFY(unfocusedLook.pixelColor(0, grid->height() / 2) != mark);
        int marked = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            const QPoint edge = grid->viewport()->mapTo(grid, QPoint(cell.left(), y));
            marked += focusedLook.pixelColor(edge) != unfocusedLook.pixelColor(edge);
        }
        QVERIFY(marked > cell.height() / 3);
    }
}

void KeyboardRoundTwoTest::emptyTitlesAreSavedEmpty_data()
{
    QTest::addColumn<bool>("withTable");
    QTest::newRow("a title emptied by keys") << true;
    QTest::newRow("no table yet: its label left as it is") << false;
}

void KeyboardRoundTwoTest::emptyTitlesAreSavedEmpty()
{
    QFETCH(bool, withTable);
    if (!withTable) {
        w_.reset();
        QFile::remove(QString::fromStdString(folder_->file("PJDATA.tx")));
        w_ = std::make_unique<WindowUnderTest>(*folder_);
        QVERIFY(w_->shown());
    }
    const MainControls& c = w_->c();
    QVERIFY(tabTo(c.tableOfContents));
    QVERIFY(!c.tableOfContents->currentIndex().data().toString().isEmpty());
    if (withTable) {
        QTest::keyClick(focused(), Qt::Key_F2);
        QVERIFY(!w_->window.realSizePreview().isVisible()); // F2 edits here
        QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(focused(), Qt::Key_Delete);
        QTest::keyClick(focused(), Qt::Key_Return);
        QTRY_COMPARE(focused(), c.tableOfContents);
    }
    w_->window.close();
    QCOMPARE(folder_->read("PJDATA.tx").front(), std::string());
}

} // namespace tagler

QTEST_MAIN(tagler::KeyboardRoundTwoTest)
#include "KeyboardRoundTwoTest.moc"
