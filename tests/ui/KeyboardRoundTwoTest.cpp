// The window by keys alone, round two; and every caption fits (ctest also runs that at 150 and 200 %).
#include "UiTestSupport.h"

#include "ui/ColorBox.h"
#include "ui/GridPopupMenu.h"
#include "ui/InputBox.h"
#include "ui/RealSizePreviewWindow.h"
#include "ui/TextBookGrid.h"
#include "ui/WindowStyle.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTableView>

namespace tagler {

namespace {

QWidget* focused() { return QApplication::focusWidget(); }

// Tab from wherever the focus is until target has it (Ctrl+Tab out of the input box).
bool tabTo(const QWidget* target)
{
    for (int k = 0; k < 80 && focused() != target; ++k)
        QTest::keyClick(focused(), Qt::Key_Tab,
                        qobject_cast<InputBox*>(focused()) ? Qt::ControlModifier : Qt::NoModifier);
    return focused() == target;
}

// Shift+F10, or the menu key as the platform sends it: a context menu event to the focused control at its caret.
void pressMenuKey(bool shiftF10)
{
    const QPoint at = focused()->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, focused()->mapToGlobal(at));
    shiftF10 ? QTest::keyClick(focused(), Qt::Key_F10, Qt::ShiftModifier)
             : void(QApplication::sendEvent(focused(), &menu));
}

} // namespace

class KeyboardRoundTwoTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Windows' styles leave a drop-down's list as narrow as its box; Fusion would widen it and hide a fault.
    void initTestCase() { QApplication::setStyle(new WindowStyle(QStyleFactory::create(QStringLiteral("Windows")))); }
    void init();
    void cleanup() { w_.reset(); }
    void textBookGridByKeys();
    void panelsTakeTheFocusAndGiveItBack_data();
    void panelsTakeTheFocusAndGiveItBack();
    void gridsShowWhereTheFocusIs();
    void emptyTitlesAreSavedEmpty_data();
    void emptyTitlesAreSavedEmpty();
    void captionsItemsAndHintsFit();

private:
    std::unique_ptr<test::Folder> folder_;
    std::unique_ptr<test::WindowUnderTest> w_;
};

void KeyboardRoundTwoTest::init()
{
    folder_ = std::make_unique<test::Folder>(test::Folder::withDataFiles);
    folder_->write("jwc_temp.txt", test::headerLines({}));
    if (QByteArray(QTest::currentDataTag()).startsWith("no table"))
        QFile::remove(QString::fromStdString(folder_->file("PJDATA.tx")));
    w_ = std::make_unique<test::WindowUnderTest>(*folder_);
    w_->window.show();
    w_->window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w_->window));
}

void KeyboardRoundTwoTest::textBookGridByKeys()
{
    TextBookGrid* grid = w_->c().textBookGrid;
    QSignalSpy finished(&w_->window, &MainWindow::finished);
    QVERIFY(tabTo(grid));
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Right);
    const QRect cell = grid->visualRect(grid->currentIndex());
    for (bool shiftF10 : {true, false}) { // the menu opens at the current cell
        pressMenuKey(shiftF10);
        QTRY_VERIFY(w_->window.gridMenu().isVisible());
        QVERIFY(
            QRect(grid->viewport()->mapToGlobal(cell.topLeft()), cell.size()).contains(w_->window.gridMenu().pos()));
        w_->window.gridMenu().hide();
    }
    const QString block = grid->currentIndex().data().toString();
    QTest::keyClick(grid, Qt::Key_Return); // copies, without completing
    QCOMPARE(w_->c().input->toPlainText(), block.trimmed());
    QVERIFY(!block.trimmed().isEmpty() && finished.isEmpty() && focused() == grid);
    QTest::keyClick(grid, Qt::Key_F2); // edits, and does not open the preview
    QVERIFY(grid->isAncestorOf(focused()) && !w_->window.realSizePreview().isVisible());
    QTest::keyClicks(focused(), QStringLiteral("x"));
    QTest::keyClick(focused(), Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(focused(), grid);
    QCOMPARE(grid->currentIndex().data().toString(), block + QStringLiteral("x"));
}

void KeyboardRoundTwoTest::panelsTakeTheFocusAndGiveItBack_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("基本設定 by Space") << int(Qt::Key_Space);
    QTest::newRow("memos by Shift+F10 on 保存") << int(Qt::Key_F10);
    QTest::newRow("memos by the menu key on 保存") << int(Qt::Key_Menu);
}

void KeyboardRoundTwoTest::panelsTakeTheFocusAndGiveItBack()
{
    QFETCH(int, key);
    const MainControls& c = w_->c();
    QWidget* opener = key == Qt::Key_Space ? static_cast<QWidget*>(c.basicSettings) : c.slotSave;
    QWidget* panel = key == Qt::Key_Space ? c.basicPanel : c.memoPanel;
    QVERIFY(tabTo(opener));
    key == Qt::Key_Space ? QTest::keyClick(opener, Qt::Key_Space) : pressMenuKey(key == Qt::Key_F10);
    QVERIFY(panel->isVisible() && panel->isAncestorOf(focused()));
    // Tab, Shift+Tab and Ctrl+Tab stay among the panel's own controls and come round.
    for (const Qt::KeyboardModifier m : {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier}) {
        QWidget* start = focused();
        int steps = 0;
        do {
            QTest::keyClick(focused(), Qt::Key_Tab, m);
            QVERIFY2(panel->isAncestorOf(focused()), focused()->metaObject()->className());
        } while (focused() != start && ++steps < 60);
        QVERIFY(steps >= 3 && steps < 60);
    }
    QTest::keyClick(focused(), Qt::Key_Tab); // Esc from a list, which would take it as a letter to search for
    QTest::keyClick(focused(), Qt::Key_Escape);
    QVERIFY(!panel->isVisible());
    QCOMPARE(focused(), opener);
}

void KeyboardRoundTwoTest::gridsShowWhereTheFocusIs()
{
    for (QTableView* grid : {static_cast<QTableView*>(w_->c().textBookGrid), w_->c().tableOfContents}) {
        QVERIFY(tabTo(grid));
        const QImage focusedLook = grid->grab().toImage();
        w_->c().input->setFocus();
        const QImage unfocusedLook = grid->grab().toImage();
        // The view's frame in the highlight, and a frame down the current cell's edge over the selection.
        const QColor mark = grid->palette().color(QPalette::Active, QPalette::Highlight);
        const int middle = grid->height() / 2;
        QVERIFY(focusedLook.pixelColor(0, middle) == mark && unfocusedLook.pixelColor(0, middle) != mark);
        const QRect cell = grid->visualRect(grid->currentIndex());
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
    QTest::addColumn<bool>("edited");
    QTest::newRow("a title emptied by keys") << true;
    QTest::newRow("no table yet, its label left as it is") << false;
}

void KeyboardRoundTwoTest::emptyTitlesAreSavedEmpty()
{
    QFETCH(bool, edited);
    QVERIFY(tabTo(w_->c().tableOfContents));
    QVERIFY(!w_->c().tableOfContents->currentIndex().data().toString().isEmpty());
    for (const QKeyCombination key : {Qt::Key_F2 | Qt::NoModifier, Qt::Key_A | Qt::ControlModifier,
                                      Qt::Key_Delete | Qt::NoModifier, Qt::Key_Return | Qt::NoModifier})
        if (edited)
            QTest::keyClick(focused(), key.key(), key.keyboardModifiers());
    QTRY_COMPARE(focused(), w_->c().tableOfContents);
    QVERIFY(!w_->window.realSizePreview().isVisible()); // F2 edited the title
    w_->window.close();
    QCOMPARE(folder_->read("PJDATA.tx").front(), std::string());
}

void KeyboardRoundTwoTest::captionsItemsAndHintsFit()
{
    QStringList cut;
    const auto fits = [&cut](const QWidget* w, const QString& text, int needed, int room) {
        if (needed > room)
            cut << QStringLiteral("%1 「%2」 needs %3 of %4")
                       .arg(w->metaObject()->className(), text)
                       .arg(needed)
                       .arg(room);
    };
    for (QAbstractButton* b : w_->window.findChildren<QAbstractButton*>()) {
        const QStyle* s = b->style();
        const int frame = qobject_cast<QPushButton*>(b) ? 2 * s->pixelMetric(QStyle::PM_DefaultFrameWidth) + 2
                                                        : s->pixelMetric(QStyle::PM_IndicatorWidth) +
                                                              s->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
        const int icon = b->icon().isNull() ? 0 : b->iconSize().width() + 4;
        fits(b, b->text(), b->fontMetrics().size(Qt::TextShowMnemonic, b->text()).width() + frame + icon, b->width());
    }
    const QLabel* status = w_->c().statusBar;
    for (QLabel* label : w_->window.findChildren<QLabel*>())
        if (label != status)
            fits(label, label->text(), label->fontMetrics().size(0, label->text()).width(),
                 label->contentsRect().width());
    for (QWidget* w : w_->window.findChildren<QWidget*>())
        fits(w, w->statusTip(), status->fontMetrics().horizontalAdvance(w->statusTip()),
             status->contentsRect().width() - status->indent());
    for (QComboBox* box : w_->window.findChildren<QComboBox*>()) {
        QStyleOptionComboBox option;
        option.initFrom(box);
        const int field =
            box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField).width();
        const int icon = box->itemIcon(0).isNull() ? 0 : box->iconSize().width() + 4;
        for (int i = 0; i < box->count() && box != static_cast<QComboBox*>(w_->c().fillColor);
             ++i) // a swatch till it opens
            fits(box, box->itemText(i), box->fontMetrics().horizontalAdvance(box->itemText(i)) + icon, field);
        box->showPopup();
        fits(box->view(), box->currentText(), box->view()->sizeHintForColumn(0), box->view()->viewport()->width());
        box->hidePopup();
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
}

} // namespace tagler

QTEST_MAIN(tagler::KeyboardRoundTwoTest)
#include "KeyboardRoundTwoTest.moc"
