// The quick-select buttons on the window: store, apply and release, one slot
// down, the memo panel, the hover preview, 連続 and 長さ記憶.
#include "UiTestSupport.h"

#include "app/Messages.h"
#include "ui/InputBox.h"
#include "ui/PreviewBox.h"
#include "ui/QuickSelectPanel.h"
#include "ui/RegisterFeedback.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QToolTip>

using namespace tagler;
using namespace tagler::test;

namespace {

const QString kDefaultMemo = QStringLiteral("保存右クリックで登録");
const QColor kMaroon(128, 0, 0);

void hover(QWidget& window, QWidget* control)
{
    QTest::mouseMove(&window, control->mapTo(&window, control->rect().center()));
}

int slotsDown(const MainControls& c)
{
    int n = 0;
    for (QPushButton* b : c.slotButtons)
        n += b->isChecked() ? 1 : 0;
    return n;
}

QPushButton* slot(const MainControls& c, int k) { return c.slotButtons[static_cast<std::size_t>(k - 1)]; }

// The memo the window shows when the mouse rests on slot k, "" for none.
QString memoOf(const WindowUnderTest& w, int k)
{
    QPushButton* b = slot(w.c(), k);
    QHelpEvent rest(QEvent::ToolTip, b->rect().center(), b->mapToGlobal(b->rect().center()));
    QApplication::sendEvent(b, &rest);
    const QLabel& tip = w.window.quickSelect().memoTip();
    return tip.isVisible() ? tip.text() : QString();
}

} // namespace

class QuickSelectWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void storeApplyAndRelease();
    void memoPanel();
    void hoverPreview();
    void continuousKeepsTheSlotDown();
    void rememberLengthWithoutPoints();
    void rememberedLengthIsShown();
    void aMemoLetsEveryClickThrough();
    void aClickResultWinsOverTheHoverLabel();

private:
    void open();
    std::unique_ptr<Folder> folder_;
    std::unique_ptr<WindowUnderTest> w_;
};

void QuickSelectWindowTest::init()
{
    folder_ = std::make_unique<Folder>(Folder::withDataFiles);
    folder_->write("jwc_temp.txt", headerLines({}));
    open();
}

void QuickSelectWindowTest::open()
{
    w_ = std::make_unique<WindowUnderTest>(*folder_);
    w_->window.move(0, 0);
    QVERIFY(w_->shown());
    // The memos arrive once the window shows.
    QTRY_COMPARE(memoOf(*w_, 1), kDefaultMemo);
}

void QuickSelectWindowTest::cleanup()
{
    w_.reset();
    folder_.reset();
}

void QuickSelectWindowTest::storeApplyAndRelease()
{
    const MainControls& c = w_->c();
    const int persistentFrame = c.frameType->currentIndex();

    QTest::mouseClick(c.slotSave, Qt::LeftButton);
    QCOMPARE(slot(c, 5)->palette().color(QPalette::ButtonText), kMaroon);
    c.frameType->setCurrentIndex(2);
    QTest::mouseClick(slot(c, 3), Qt::LeftButton);
    QVERIFY(c.savedLabel->isVisible());
    QVERIFY(folder_->exists("PSDATA3.tx"));
    QCOMPARE(folder_->read("PSDATA3.tx")[2], "2");

    QTest::mouseClick(c.slotSave, Qt::LeftButton);
    QVERIFY(slot(c, 5)->palette().color(QPalette::ButtonText) != kMaroon);
    QCOMPARE(c.frameType->currentIndex(), 2); // a slot is down: releasing 保存 changes nothing

    c.frameType->setCurrentIndex(4);
    QTest::mouseClick(slot(c, 3), Qt::LeftButton); // released
    QCOMPARE(slotsDown(c), 0);
    QCOMPARE(c.frameType->currentIndex(), persistentFrame);

    QTest::mouseClick(slot(c, 3), Qt::LeftButton);
    QCOMPARE(c.frameType->currentIndex(), 2);
    QVERIFY(!c.attachPosition->isEnabled() || c.frameType->currentIndex() == 2); // enabling follows

    QTRY_VERIFY(!c.nothingSavedLabel->isVisible());
    QTest::mouseClick(slot(c, 1), Qt::LeftButton); // empty
    QVERIFY(c.nothingSavedLabel->isVisible());
    QCOMPARE(c.frameType->currentIndex(), 2);
    QCOMPARE(slotsDown(c), 1);
    QVERIFY(slot(c, 1)->isChecked());
    QVERIFY(!slot(c, 3)->isChecked());
}

void QuickSelectWindowTest::memoPanel()
{
    const MainControls& c = w_->c();
    QVERIFY(!c.memoPanel->isVisible());
    QTest::mouseClick(c.slotSave, Qt::RightButton);
    QVERIFY(c.memoPanel->isVisible());
    QCOMPARE(c.memoGrid->item(0, 0)->text(), kDefaultMemo);

    c.memoGrid->item(2, 0)->setText(QStringLiteral("外壁\n仕上"));
    QTest::mouseClick(c.saveMemos, Qt::LeftButton);
    QVERIFY(!c.memoPanel->isVisible());
    const Lines file = folder_->read("SENTAKUMEMO.TX");
    QCOMPARE(file.size(), std::size_t(12));
    QCOMPARE(fromCp932(file[2]), QStringLiteral("外壁 仕上"));
    QCOMPARE(memoOf(*w_, 3), QStringLiteral("外壁 仕上"));

    QTest::mouseClick(c.slotSave, Qt::RightButton);
    c.showMemos->setChecked(false);
    QTest::mouseClick(c.saveMemos, Qt::LeftButton);
    QVERIFY(memoOf(*w_, 3).isEmpty());
    QCOMPARE(slot(c, 3)->statusTip(),
             QStringLiteral("先端記号、文字枠、文字種、線色などの設定を保存、または保存されている設定に切替"));
    QCOMPARE(folder_->read("SENTAKUMEMO.TX")[10], "0");

    // A file removed behind the panel's back is reported as it opens.
    folder_->remove("SENTAKUMEMO.TX");
    QTest::mouseClick(c.slotSave, Qt::RightButton);
    QVERIFY(w_->prompts.saw(messages::kMemosMissing));
}

void QuickSelectWindowTest::hoverPreview()
{
    const MainControls& c = w_->c();
    QTest::mouseClick(c.slotSave, Qt::LeftButton);
    c.frameType->setCurrentIndex(2);
    QTest::mouseClick(slot(c, 2), Qt::LeftButton);
    QTest::mouseClick(c.slotSave, Qt::LeftButton);
    QTest::mouseClick(slot(c, 2), Qt::LeftButton); // released: the persistent underline again
    QTRY_VERIFY(!c.savedLabel->isVisible());

    hover(w_->window, slot(c, 2));
    QTRY_COMPARE(w_->window.quickSelect().hoveredSlot(), 2);
    QVERIFY(c.slotPreview->isVisible());
    QVERIFY(!c.settingsPreview->isVisible());
    QCOMPARE(c.previewFrame->palette().color(QPalette::Window), QColor(192, 192, 192));
    // The slot's box, not the current underline: its top edge.
    const QImage image = c.slotPreview->grab().toImage();
    QCOMPARE(image.pixelColor(70, 1), QColor(Qt::black));

    hover(w_->window, slot(c, 6)); // empty
    QTRY_COMPARE(w_->window.quickSelect().hoveredSlot(), 6);
    QVERIFY(c.nothingSavedLabel->isVisible());
    QTRY_VERIFY(!c.nothingSavedLabel->isVisible());

    QTest::mouseMove(&w_->window, QPoint(590, 80)); // bare window
    QTRY_COMPARE(w_->window.quickSelect().hoveredSlot(), 0);
    QVERIFY(c.settingsPreview->isVisible());
    QVERIFY(!c.slotPreview->isVisible());
    QCOMPARE(c.previewFrame->palette().color(QPalette::Window), QColor(255, 251, 240));

    // The slot under the mouse shows what was just stored into it.
    hover(w_->window, slot(c, 4));
    QTRY_COMPARE(w_->window.quickSelect().hoveredSlot(), 4);
    QCOMPARE(c.slotPreview->grab().toImage().pixelColor(70, 1), QColor(192, 192, 192));
    c.frameType->setCurrentIndex(7); // 四角延長
    QTest::mouseClick(c.slotSave, Qt::LeftButton);
    QTest::mouseClick(slot(c, 4), Qt::LeftButton);
    QCOMPARE(c.slotPreview->grab().toImage().pixelColor(70, 1), QColor(Qt::black));
    QTest::mouseClick(c.slotSave, Qt::LeftButton);

    QTest::mouseMove(&w_->window, QPoint(590, 80));
    c.hoverPreview->setChecked(false);
    hover(w_->window, slot(c, 2));
    QTest::qWait(50);
    QCOMPARE(w_->window.quickSelect().hoveredSlot(), 0);
}

void QuickSelectWindowTest::continuousKeepsTheSlotDown()
{
    const MainControls& c = w_->c();
    QTest::mouseClick(c.slotSave, Qt::LeftButton);
    c.frameType->setCurrentIndex(3);
    QTest::mouseClick(slot(c, 7), Qt::LeftButton);
    QTest::mouseClick(c.slotSave, Qt::LeftButton);
    c.continuous->setChecked(true);
    w_->window.close();
    QCOMPARE(folder_->read("PLDATA.tx")[23], "7");

    open();
    QTRY_VERIFY(slot(w_->c(), 7)->isChecked());
    QCOMPARE(w_->c().frameType->currentIndex(), 3);
}

void QuickSelectWindowTest::rememberLengthWithoutPoints()
{
    w_.reset();
    folder_->remove("jwc_temp.txt");
    open();
    const MainControls& c = w_->c();
    c.input->setPlainText(QStringLiteral("注釈"));
    w_->prompts.shown.clear();
    QTest::mouseClick(c.rememberLength, Qt::LeftButton);
    QCOMPARE(w_->prompts.shown,
             std::vector<std::string>{"warning: " + *messages::dataErrorMessage(ErrorKind::Conversion)});
    QVERIFY(c.rememberLength->palette().color(QPalette::ButtonText) != registeredCaptionColour()); // no success shown
    QVERIFY(w_->window.isVisible());
    QCOMPARE(c.input->toPlainText(), QStringLiteral("注釈"));
    w_->window.close();
    QCOMPARE(folder_->read("PLDATA.tx")[25], "0");
}

void QuickSelectWindowTest::rememberedLengthIsShown()
{
    w_.reset();
    folder_->write("jwc_temp.txt", headerLines({.p1 = "0 0", .p2 = "30 40"}));
    open();
    const MainControls& c = w_->c();
    QTest::mouseClick(c.rememberLength, Qt::LeftButton);
    QVERIFY2(c.statusBar->text().contains(QStringLiteral("50 mm")), qPrintable(c.statusBar->text()));
    QCOMPARE(c.rememberLength->palette().color(QPalette::ButtonText), registeredCaptionColour());
    w_->window.close();
    QCOMPARE(folder_->read("PLDATA.tx")[25], "50");
}

void QuickSelectWindowTest::aMemoLetsEveryClickThrough()
{
    const MainControls& c = w_->c();
    QCOMPARE(memoOf(*w_, 3), kDefaultMemo);
    QVERIFY(!QToolTip::isVisible()); // no window of its own over the controls
    const QLabel& tip = w_->window.quickSelect().memoTip();
    QVERIFY(tip.testAttribute(Qt::WA_TransparentForMouseEvents));
    std::vector<QWidget*> below = {c.rememberLength, c.fixedLeaderLength};
    below.insert(below.end(), c.slotButtons.begin(), c.slotButtons.end());
    for (QWidget* control : below) {
        QVERIFY2(!tip.geometry().intersects(control->geometry()), qPrintable(control->objectName()));
        const QPoint centre = control->mapToGlobal(control->rect().center());
        QCOMPARE(QApplication::widgetAt(centre), control);
    }
    QTest::mouseMove(&w_->window, QPoint(590, 80));
    QTRY_VERIFY(!tip.isVisible());
}

void QuickSelectWindowTest::aClickResultWinsOverTheHoverLabel()
{
    const MainControls& c = w_->c();
    QTest::mouseClick(c.slotSave, Qt::LeftButton);
    hover(w_->window, slot(c, 6)); // empty: 保存なし for a moment
    QTRY_VERIFY(c.nothingSavedLabel->isVisible());
    QTest::mouseClick(slot(c, 6), Qt::LeftButton);
    QVERIFY(c.savedLabel->isVisible());
    QVERIFY(!c.nothingSavedLabel->isVisible());
    hover(w_->window, slot(c, 7)); // passing another empty slot keeps the result
    QVERIFY(c.savedLabel->isVisible());
    QVERIFY(!c.nothingSavedLabel->isVisible());
    QTRY_VERIFY(!c.savedLabel->isVisible());
}

QTEST_MAIN(QuickSelectWindowTest)
#include "QuickSelectWindowTest.moc"
