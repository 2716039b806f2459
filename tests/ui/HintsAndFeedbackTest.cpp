// The status bar's hints while 簡易説明 is down, and the register feedback timer.
#include "UiTestSupport.h"

#include "ui/InputBox.h"
#include "ui/RegisterFeedback.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>

using namespace tagler;
using namespace tagler::test;

namespace {

void hover(QWidget& window, QWidget* control)
{
    QTest::mouseMove(&window, control->mapTo(&window, control->rect().center()));
}

const QString kTipHint =
    QStringLiteral("引出し点の記号の形状を選択、Jwwで指示点１、２が近い時は引出し記号と引出線を書かない");

} // namespace

class HintsAndFeedbackTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void hintsOnlyWhileTheButtonIsDown();
    void noToolTips();
    void feedbackEndsAfterSevenHundredMilliseconds();

private:
    std::unique_ptr<Folder> folder_;
    std::unique_ptr<WindowUnderTest> w_;
};

void HintsAndFeedbackTest::init()
{
    folder_ = std::make_unique<Folder>(Folder::withDataFiles);
    folder_->write("jwc_temp.txt", headerLines({}));
    w_ = std::make_unique<WindowUnderTest>(*folder_);
    w_->window.move(0, 0);
    QVERIFY(w_->shown());
}

void HintsAndFeedbackTest::cleanup()
{
    w_.reset();
    folder_.reset();
}

void HintsAndFeedbackTest::hintsOnlyWhileTheButtonIsDown()
{
    MainWindow& window = w_->window;
    const MainControls& c = w_->c();
    const QString folderLine = c.statusBar->text();
    QVERIFY(folderLine.startsWith(QStringLiteral("[ 基本設定 1 ]　文字帳フォルダ = ")));

    hover(window, c.tipSymbol);
    QCOMPARE(c.statusBar->text(), folderLine);

    QTest::mouseClick(c.hintMode, Qt::LeftButton);
    QVERIFY(window.hintsShown());
    QVERIFY(c.statusBar->text().isEmpty());
    hover(window, c.clear);
    QTRY_COMPARE(c.statusBar->text(), QStringLiteral("注釈文字入力ボックスをクリヤ"));
    hover(window, c.tipSymbol);
    QTRY_COMPARE(c.statusBar->text(), kTipHint);
    hover(window, c.input);
    QTRY_COMPARE(
        c.statusBar->text(),
        QStringLiteral("Jwwに書き込む注釈文字を入力、文字帳に登録できる、クリップボードが使用可能、半角７０文字×５行"));
    hover(window, c.tipSymbolLabel); // a label carries its control's hint
    QTRY_COMPARE(c.statusBar->text(), kTipHint);

    QTest::mouseClick(c.hintMode, Qt::LeftButton);
    QCOMPARE(c.statusBar->text(), folderLine);
    hover(window, c.complete);
    QCOMPARE(c.statusBar->text(), folderLine);
}

void HintsAndFeedbackTest::noToolTips()
{
    // Not even the quick-select memos: the window draws them itself, above the buttons.
    for (const QWidget* child : w_->window.findChildren<QWidget*>())
        QVERIFY2(child->toolTip().isEmpty(), qPrintable(child->toolTip()));
}

void HintsAndFeedbackTest::feedbackEndsAfterSevenHundredMilliseconds()
{
    const MainControls& c = w_->c();
    const QColor normal = c.registerSettings->palette().color(QPalette::ButtonText);
    c.savedLabel->show();
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(c.registerSettings, Qt::LeftButton);
    QCOMPARE(c.registerSettings->palette().color(QPalette::ButtonText), registeredCaptionColour());
    QTRY_VERIFY(!w_->window.feedback().running());
    QVERIFY(clock.elapsed() >= RegisterFeedback::kMilliseconds);
    QVERIFY(c.savedLabel->isHidden());
    QVERIFY(c.nothingSavedLabel->isHidden());
    QCOMPARE(c.registerSettings->palette().color(QPalette::ButtonText), normal);
}

QTEST_MAIN(HintsAndFeedbackTest)
#include "HintsAndFeedbackTest.moc"
