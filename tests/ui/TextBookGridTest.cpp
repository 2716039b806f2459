// The text-book grid driven offscreen against a text book in a temporary folder.
#include "UiTestSupport.h"

#include "store/TextBookMessages.h"
#include "ui/GridPopupMenu.h"
#include "ui/InputBox.h"
#include "ui/QtPrompts.h"
#include "ui/RealSizePreviewWindow.h"
#include "ui/TableOfContentsModel.h"
#include "ui/TextBookGrid.h"
#include "ui/TextBookModel.h"
#include "ui/TextBookPanel.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

using namespace tagler;
using namespace tagler::test;

namespace {

// Block k holds "k-1" … and, for k below 3, a third line left empty in between.
Lines page()
{
    Lines lines(180);
    for (std::size_t k = 0; k < 36; ++k) {
        lines[5 * k] = std::to_string(k) + "-1";
        lines[5 * k + 1] = std::to_string(k) + "-2";
        if (k < 3)
            lines[5 * k + 3] = std::to_string(k) + "-4";
    }
    return lines;
}

struct Book {
    Book()
    {
        folder.write("jwc_temp.txt", headerLines({}));
        folder.write("PMDATA1.tx", page());
        w = std::make_unique<WindowUnderTest>(folder);
        w->window.show();
    }
    TextBookGrid* grid() const { return w->c().textBookGrid; }
    QWidget* viewport() const { return grid()->viewport(); }
    QPoint cellCentre(int row, int column) const
    {
        return grid()->visualRect(grid()->model()->index(row, column)).center();
    }
    void move(int x, int y) const
    {
        QMouseEvent e(QEvent::MouseMove, QPointF(x, y), viewport()->mapToGlobal(QPointF(x, y)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport(), &e);
    }
    void wheel(int steps) const
    {
        for (int i = 0; i < std::abs(steps); ++i) {
            const QPoint at = cellCentre(0, 0);
            QWheelEvent e(at, viewport()->mapToGlobal(at), QPoint(), QPoint(0, steps > 0 ? -120 : 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(viewport(), &e);
        }
    }
    QStringList blockView() const { return w->c().blockView->toPlainText().split(QLatin1Char('\n')); }

    Folder folder{Folder::withDataFiles};
    std::unique_ptr<WindowUnderTest> w;
};

} // namespace

class TextBookGridTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void modelsPassTheModelTester();
    void theSelectedRowIsExpanded();
    void wheelStopsAtRow17();
    void edgeZonesFollowTheDetectionRange_data();
    void edgeZonesFollowTheDetectionRange();
    void belowTheLastRowTheGridRefusesClicks();
    void doubleClickCopiesIntoTheInputBox();
    void blockViewRulesAAndB();
    void deleteAsksOnLeftClickOnly();
    void registerWritesTheInputBox();
    void editInPlaceIsSavedOnClose();
    void f2EditsTheFocusedCellAndCtrlF2OpensThePreview();
    void tableOfContentsSwitchesPagesAndKeepsTitles();
    void folderSwitchGoesThroughThePrompts();
    void folderOutsideTheStartFolderIsRefusedWithAMessage();
    void folderDialogStaysInTheStartFolder();
    void folderSwitchAsksOverAnEmptiedGrid();
    void menuEntryCopiesTheBlockThenCompletes();
};

void TextBookGridTest::modelsPassTheModelTester()
{
    Book b;
    QAbstractItemModelTester blocks(&b.w->window.textBook().model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester titles(&b.w->window.textBook().tableModel(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    b.wheel(3);
    QVERIFY(b.w->window.textBook().model().setData(b.grid()->model()->index(3, 1), QStringLiteral("x\ny")));
    QVERIFY(b.w->window.textBook().tableModel().setData(b.w->c().tableOfContents->model()->index(4, 0), "t"));
}

void TextBookGridTest::theSelectedRowIsExpanded()
{
    Book b;
    QCOMPARE(b.grid()->rowHeight(0), 75);
    for (int row = 1; row < 18; ++row)
        QCOMPARE(b.grid()->rowHeight(row), 15);
    const QAbstractItemModel* m = b.grid()->model();
    QCOMPARE(m->index(0, 1).data().toString(), QStringLiteral("18-1\n18-2\n\n\n"));
    QCOMPARE(m->index(1, 0).data().toString(), QStringLiteral("▼ 1-1"));
    QTest::mouseClick(b.viewport(), Qt::LeftButton, {}, b.cellCentre(4, 1));
    QCOMPARE(b.grid()->rowHeight(4), 75);
    QCOMPARE(b.grid()->rowHeight(0), 15);
    QCOMPARE(b.grid()->currentBlock(), 22);
}

void TextBookGridTest::wheelStopsAtRow17()
{
    Book b;
    b.wheel(20);
    QCOMPARE(b.grid()->selectedRow(), 17);
    QCOMPARE(b.grid()->currentIndex().row(), 17);
    QCOMPARE(b.grid()->rowHeight(17), 75);
    b.wheel(-1);
    QCOMPARE(b.grid()->selectedRow(), 16);
}

void TextBookGridTest::edgeZonesFollowTheDetectionRange_data()
{
    QTest::addColumn<int>("range");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("column"); // -1: nothing picked
    QTest::newRow("none") << 0 << 10 << -1;
    QTest::newRow("narrow inside") << 1 << 50 << 0;
    QTest::newRow("narrow outside") << 1 << 53 << -1;
    QTest::newRow("standard right") << 2 << 566 - 69 << 1;
    QTest::newRow("standard outside") << 2 << 566 - 72 << -1;
    QTest::newRow("wide") << 3 << 10 << 0;
    QTest::newRow("wide right") << 3 << 566 - 140 << 1;
}

void TextBookGridTest::edgeZonesFollowTheDetectionRange()
{
    QFETCH(int, range);
    QFETCH(int, x);
    QFETCH(int, column);
    Book b;
    b.w->settings().detectionRange = range;
    QCOMPARE(b.grid()->width(), 566);
    const int inside = x - b.grid()->frameWidth();
    b.move(inside, b.cellCentre(5, 0).y());
    if (column < 0) {
        QCOMPARE(b.grid()->selectedRow(), 0);
        return;
    }
    QCOMPARE(b.grid()->selectedRow(), 5);
    QCOMPARE(b.grid()->currentBlock(), 18 * column + 5);
    QCOMPARE(b.grid()->rowHeight(5), 75);
}

void TextBookGridTest::belowTheLastRowTheGridRefusesClicks()
{
    Book b;
    b.w->settings().detectionRange = 3;
    // Shrink row 0 so there is room below the last row.
    b.move(10, b.cellCentre(2, 0).y());
    QCOMPARE(b.grid()->selectedRow(), 2);
    b.move(10, b.viewport()->height() - 2);
    QVERIFY(!b.grid()->pick().cellSelectAllowed);
    QTest::mouseClick(b.viewport(), Qt::LeftButton, {}, b.cellCentre(8, 1));
    QCOMPARE(b.grid()->selectedRow(), 2);
    // The wheel outside the zones lets it move again.
    b.move(300, b.cellCentre(8, 1).y());
    b.wheel(1);
    QCOMPARE(b.grid()->selectedRow(), 3);
    QTest::mouseClick(b.viewport(), Qt::LeftButton, {}, b.cellCentre(8, 1));
    QCOMPARE(b.grid()->selectedRow(), 8);
}

void TextBookGridTest::doubleClickCopiesIntoTheInputBox()
{
    Book b;
    b.w->c().input->setPlainText(QStringLiteral("first\nsecond"));
    b.w->settings().copyMode = 0;
    QTest::mouseClick(b.viewport(), Qt::LeftButton, {}, b.cellCentre(2, 0));
    QTest::mouseDClick(b.viewport(), Qt::LeftButton, {}, b.cellCentre(2, 0));
    QCOMPARE(b.w->c().input->toPlainText(), QStringLiteral("first\n2-1\n2-2\n\n2-4"));
    QCOMPARE(b.w->c().input->textCursor().blockNumber(), 1);
    QCOMPARE(b.w->c().input->textCursor().positionInBlock(), 0);

    b.w->settings().copyMode = 3;
    QTest::mouseDClick(b.viewport(), Qt::LeftButton, {}, b.cellCentre(2, 0));
    QCOMPARE(b.w->c().input->toPlainText(), QStringLiteral("2-1\n2-2\n\n2-4"));
}

void TextBookGridTest::blockViewRulesAAndB()
{
    Book b;
    QTest::mouseClick(b.viewport(), Qt::MiddleButton, {}, b.cellCentre(0, 0));
    QVERIFY(b.w->c().blockViewPanel->isVisible());
    QCOMPARE(b.blockView(), (QStringList{"0-1:", "0-2:", "", "0-4:", ""}));
    QTest::mouseClick(b.viewport(), Qt::LeftButton, {}, b.cellCentre(0, 0));
    QCOMPARE(b.blockView(), (QStringList{"0-1:", "0-2:", ":", "0-4:", ":"}));
    // An open view stops the copy.
    QTest::mouseDClick(b.viewport(), Qt::LeftButton, {}, b.cellCentre(0, 0));
    QCOMPARE(b.w->c().input->toPlainText(), QString());
    QTest::mouseClick(b.viewport(), Qt::MiddleButton, {}, b.cellCentre(0, 0));
    QVERIFY(!b.w->c().blockViewPanel->isVisible());
}

void TextBookGridTest::deleteAsksOnLeftClickOnly()
{
    Book b;
    QTest::mouseClick(b.viewport(), Qt::LeftButton, {}, b.cellCentre(3, 0));
    QTest::mouseClick(b.w->c().deleteBlock, Qt::LeftButton);
    QVERIFY(b.w->c().deleteConfirmPanel->isVisible());
    QCOMPARE(b.folder.read("PMDATA1.tx")[15], std::string("3-1"));
    QTest::mouseClick(b.w->c().deleteNo, Qt::LeftButton);
    QVERIFY(!b.w->c().deleteConfirmPanel->isVisible());
    QCOMPARE(b.folder.read("PMDATA1.tx")[15], std::string("3-1"));

    QTest::mouseClick(b.w->c().deleteBlock, Qt::LeftButton);
    QTest::mouseClick(b.w->c().deleteYes, Qt::LeftButton);
    QCOMPARE(b.folder.read("PMDATA1.tx")[15], std::string());

    QTest::mouseClick(b.viewport(), Qt::LeftButton, {}, b.cellCentre(17, 1));
    QTest::mousePress(b.w->c().deleteBlock, Qt::RightButton);
    QVERIFY(!b.w->c().deleteConfirmPanel->isVisible());
    QCOMPARE(b.folder.read("PMDATA1.tx")[175], std::string());
    QCOMPARE(b.grid()->model()->index(17, 1).data().toString(), QStringLiteral("\n\n\n\n"));
}

void TextBookGridTest::registerWritesTheInputBox()
{
    Book b;
    QTest::mouseClick(b.viewport(), Qt::LeftButton, {}, b.cellCentre(6, 1));
    b.w->c().input->setPlainText(QStringLiteral("防火戸\n特定防火設備"));
    QTest::mouseClick(b.w->c().registerBlock, Qt::LeftButton);
    const Lines written = b.folder.read("PMDATA1.tx");
    QCOMPARE(toUtf8(written[120]), std::string("防火戸"));
    QCOMPARE(toUtf8(written[121]), std::string("特定防火設備"));
    QCOMPARE(written[122], std::string());
    b.wheel(1);
    QCOMPARE(b.grid()->model()->index(6, 1).data().toString(), QStringLiteral("▼ 防火戸"));
}

void TextBookGridTest::editInPlaceIsSavedOnClose()
{
    Book b;
    QTest::mouseClick(b.viewport(), Qt::LeftButton, {}, b.cellCentre(1, 0));
    b.grid()->setFocus();
    QTest::keyClick(b.grid(), Qt::Key_F2);
    auto* editor = b.grid()->findChild<QPlainTextEdit*>();
    QVERIFY(editor);
    QVERIFY(!editor->textCursor().hasSelection());
    editor->selectAll();
    QTest::keyClicks(editor, "A");
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::keyClicks(editor, "B");
    QTest::keyClick(editor, Qt::Key_Up);
    QCOMPARE(b.grid()->currentIndex().row(), 1);
    QVERIFY(b.w->session.textBook().pageModified());
    QCOMPARE(b.folder.read("PMDATA1.tx")[5], std::string("1-1")); // nothing written yet
    QTest::keyClick(editor, Qt::Key_Return, Qt::ControlModifier);
    QTRY_VERIFY(b.grid()->findChild<QPlainTextEdit*>() == nullptr ||
                !b.grid()->findChild<QPlainTextEdit*>()->isVisible());
    b.w->window.close();
    const Lines written = b.folder.read("PMDATA1.tx");
    QCOMPARE(written[5], std::string("A"));
    QCOMPARE(written[6], std::string("B"));
    QCOMPARE(written[8], std::string());
}

void TextBookGridTest::f2EditsTheFocusedCellAndCtrlF2OpensThePreview()
{
    Book b;
    QVERIFY(QTest::qWaitForWindowExposed(&b.w->window));
    RealSizePreviewWindow& preview = b.w->window.realSizePreview();
    const auto editing = [&] {
        auto* editor = b.grid()->findChild<QPlainTextEdit*>();
        return editor && editor->isVisible();
    };
    QTest::mouseClick(b.viewport(), Qt::LeftButton, {}, b.cellCentre(1, 0));
    b.grid()->setFocus();
    QTest::keyClick(b.grid(), Qt::Key_F2);
    QVERIFY(editing());
    QVERIFY(!preview.isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2, Qt::ControlModifier);
    QVERIFY(preview.isVisible());
    QTest::keyClick(b.w->c().input, Qt::Key_F2, Qt::ControlModifier);
    QVERIFY(!preview.isVisible());
    // Outside the grid F2 is the preview's.
    QTest::keyClick(b.w->c().input, Qt::Key_F2);
    QVERIFY(preview.isVisible());
}

void TextBookGridTest::tableOfContentsSwitchesPagesAndKeepsTitles()
{
    Book b;
    QTableView* toc = b.w->c().tableOfContents;
    b.w->prompts.answer = true;
    toc->setCurrentIndex(toc->model()->index(2, 0));
    QCOMPARE(b.w->session.textBook().currentPage(), 3);
    QVERIFY(b.w->prompts.saw(textbook::pageMissing(b.folder.file("PMDATA3.tx"))));
    QCOMPARE(b.folder.read("PMDATA3.tx"), Lines(180));
    QCOMPARE(b.grid()->model()->index(1, 0).data().toString(), QString());
    toc->model()->setData(toc->model()->index(2, 0), QStringLiteral("配管"));
    toc->setCurrentIndex(toc->model()->index(0, 0));
    QCOMPARE(b.grid()->model()->index(1, 0).data().toString(), QStringLiteral("▼ 1-1"));
    b.w->window.close();
    QCOMPARE(toUtf8(b.folder.read("PJDATA.tx")[2]), std::string("配管"));
    QCOMPARE(b.folder.read("PLDATA.tx")[4], std::string("1"));
}

void TextBookGridTest::folderSwitchGoesThroughThePrompts()
{
    Book b;
    QDir(QString::fromStdString(b.folder.path())).mkdir("sub");
    b.folder.write("sub/PMDATA1.tx", Lines(180));
    b.w->prompts.folder = b.folder.file("sub");
    QTest::mouseClick(b.w->c().switchTextBook, Qt::LeftButton);
    QCOMPARE(b.w->session.textBook().textBookFolder(), std::string("\\sub"));
    QVERIFY(b.w->c().statusBar->text().endsWith(QStringLiteral("文字帳フォルダ = sub")));
    QCOMPARE(b.w->c().tableOfContents->model()->index(1, 0).data().toString(), QStringLiteral("    (ページなし)"));
    QCOMPARE(b.grid()->model()->index(1, 0).data().toString(), QStringLiteral("   "));
}

void TextBookGridTest::folderOutsideTheStartFolderIsRefusedWithAMessage()
{
    Book b;
    Folder outside(Folder::withDataFiles);
    b.w->prompts.folder = outside.path();
    QTest::mouseClick(b.w->c().switchTextBook, Qt::LeftButton);
    QVERIFY(b.w->prompts.saw(textbook::kFolderOutside));
    QCOMPARE(b.w->session.textBook().textBookFolder(), std::string());
    QCOMPARE(b.grid()->model()->index(1, 0).data().toString(), QStringLiteral("▼ 1-1"));
    QVERIFY(b.w->c().tableOfContents->model()->index(0, 0).data().toString() !=
            QString::fromUtf8(textbook::kNoPageLabel));
}

void TextBookGridTest::folderDialogStaysInTheStartFolder()
{
    Folder start;
    QDir(QString::fromStdString(start.path())).mkdir("sub");
    const QString root = QDir(QString::fromStdString(start.path())).canonicalPath();
    QList<QUrl> sideBar;
    QString afterUp;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        sideBar = dialog->sidebarUrls();
        auto* up = dialog->findChild<QToolButton*>(QStringLiteral("toParentButton"));
        QVERIFY(up);
        up->click();
        afterUp = dialog->directory().canonicalPath();
        dialog->reject();
    });
    QtPrompts prompts;
    QCOMPARE(prompts.chooseFolder(start.path()), std::nullopt);
    QCOMPARE(sideBar, QList<QUrl>{QUrl::fromLocalFile(root)});
    QCOMPARE(afterUp, root);
}

void TextBookGridTest::folderSwitchAsksOverAnEmptiedGrid()
{
    Book b;
    QVERIFY(QTest::qWaitForWindowExposed(&b.w->window));
    QDir(QString::fromStdString(b.folder.path())).mkdir("sub");
    b.w->prompts.folder = b.folder.file("sub");
    int inkWhileAsking = -1;
    b.w->prompts.whileAsking = [&] {
        QCoreApplication::processEvents(); // the box's own event loop paints what is pending
        const QRect area(b.viewport()->mapTo(&b.w->window, QPoint(0, 0)), b.viewport()->size());
        const QImage shown = b.w->window.screen()
                                 ->grabWindow(b.w->window.winId(), area.x(), area.y(), area.width(), area.height())
                                 .toImage();
        inkWhileAsking = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                inkWhileAsking += QColor(shown.pixel(x, y)).lightness() < 60;
    };
    QTest::mouseClick(b.w->c().switchTextBook, Qt::LeftButton);
    QVERIFY(b.w->prompts.saw(textbook::pageMissing("PMDATA1.tx")));
    QCOMPARE(inkWhileAsking, 0); // no text of the old page on screen
}

void TextBookGridTest::menuEntryCopiesTheBlockThenCompletes()
{
    Book b;
    b.w->settings().copyMode = 3;
    b.w->c().input->setPlainText(QStringLiteral("typed"));
    QTest::mouseClick(b.viewport(), Qt::LeftButton, {}, b.cellCentre(5, 1));
    b.w->window.gridMenu().completeAction()->trigger();
    Lines texts;
    for (const std::string& record : b.folder.read("jwc_temp.txt"))
        if (record.rfind("ch ", 0) == 0)
            texts.push_back(record.substr(record.find('"') + 1));
    std::sort(texts.begin(), texts.end());
    QCOMPARE(texts, (Lines{"23-1", "23-2"}));
}

QTEST_MAIN(TextBookGridTest)
#include "TextBookGridTest.moc"
