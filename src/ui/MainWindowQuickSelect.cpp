// The quick-select buttons, their memos and the slot preview.
#include "ui/MainWindow.h"

#include "app/Session.h"
#include "base/CodePage.h"
#include "base/Error.h"
#include "settings/QuickSelectSlot.h"
#include "ui/InputBox.h"
#include "ui/PreviewBox.h"
#include "ui/RegisterFeedback.h"
#include "ui/WindowLook.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>

namespace tagler {

namespace {

const char* const kGeneralSlotHint = "先端記号、文字枠、文字種、線色などの設定を保存、または保存されている設定に切替";
constexpr std::int32_t kCream = 15793151;
constexpr std::int32_t kSilver = 12632256;
const QColor kSaveCaption(128, 0, 0); // maroon while 保存 is down

void setFrameColour(QFrame* frame, std::int32_t colour)
{
    QPalette p = frame->palette();
    p.setColor(QPalette::Window, toQColor(colour));
    frame->setPalette(p);
}

} // namespace

void MainWindow::connectQuickSelect()
{
    setMouseTracking(true);
    for (std::size_t k = 0; k < c_.slotButtons.size(); ++k) {
        QPushButton* b = c_.slotButtons[k];
        b->installEventFilter(this);
        connect(b, &QPushButton::clicked, this, [this, k] { pressSlot(static_cast<int>(k) + 1); });
    }
    connect(c_.slotSave, &QPushButton::clicked, this, &MainWindow::pressSave);
    // The right button opens the memos where it goes down, as a menu would.
    c_.slotSave->installEventFilter(this);
    connect(c_.saveMemos, &QPushButton::clicked, this, &MainWindow::saveMemoPanel);
    connect(c_.rememberLength, &QPushButton::clicked, this, [this] {
        session_.setInputLines(c_.input->cp932Lines());
        session_.rememberLeaderLength();
    });
    c_.settingsPreview->setSource(
        [this]() -> std::optional<PreviewInputs> { return previewInputs(session_.settings(), session_.mode()); });
    c_.slotPreview->setSource([this] { return slotPreviewInputs(); });
    showSlotHints();
}

void MainWindow::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (firstShown_)
        return;
    firstShown_ = true;
    // Once the window is on the screen, so the memo messages come over it.
    QTimer::singleShot(0, this, &MainWindow::loadQuickSelect);
    QTimer::singleShot(0, this, &MainWindow::openRealSizeAtStart);
}

void MainWindow::loadQuickSelect()
{
    const int start = session_.loadQuickSelect();
    // The kept slot is pressed as if by hand, so an empty one says so too.
    if (start != 0 && session_.slots().isEmpty(start))
        feedback_->flash(c_.nothingSavedLabel);
    const SlotMemos& m = session_.memos();
    {
        const QSignalBlocker a(c_.showMemos), b(c_.hoverPreview);
        c_.showMemos->setChecked(m.showMemos);
        c_.hoverPreview->setChecked(m.hoverPreview);
    }
    for (int row = 0; row < kSlotCount; ++row)
        c_.memoGrid->item(row, 0)->setText(fromCp932(m.texts[static_cast<std::size_t>(row)]));
    showSlotHints();
    showAfterSlot();
}

void MainWindow::pressSlot(int slot)
{
    const SlotFeedback feedback = session_.pressSlot(slot);
    if (feedback == SlotFeedback::saved)
        feedback_->flash(c_.savedLabel);
    else if (feedback == SlotFeedback::nothingSaved)
        feedback_->flash(c_.nothingSavedLabel);
    showAfterSlot();
}

void MainWindow::pressSave()
{
    session_.toggleSave();
    if (c_.memoPanel->isVisible())
        reloadMemoPanel();
    showAfterSlot();
}

// A slot applied or released changes settings, names and the IME toggle.
void MainWindow::showAfterSlot()
{
    AnnotationSettings& s = session_.settings();
    // The slot keeps whether the IME toggle is down; the mode stays the caption's.
    if ((s.imeStartMode > 0) != imeButton_.down) {
        imeButton_.down = s.imeStartMode > 0;
        c_.input->setOwnImeMode(imeButton_.down ? imeModeFor(imeButton_.mode) : ImeMode::closed);
    }
    s.imeStartMode = imeButton_.storedValue();
    showImeButton();
    showPatternNames();
    showSettings();
    showStatusLine();
    showQuickSelect();
    // The slot under the mouse may just have been stored.
    c_.slotPreview->update();
}

void MainWindow::showQuickSelect()
{
    const QuickSelectButtons& q = session_.quickSelect();
    const QColor caption = q.save ? kSaveCaption : QApplication::palette().color(QPalette::ButtonText);
    for (std::size_t k = 0; k < c_.slotButtons.size(); ++k) {
        QPushButton* b = c_.slotButtons[k];
        const QSignalBlocker blocker(b);
        b->setChecked(q.down == static_cast<int>(k) + 1);
        QPalette p = b->palette();
        p.setColor(QPalette::ButtonText, caption);
        b->setPalette(p);
    }
    const QSignalBlocker blocker(c_.slotSave);
    c_.slotSave->setChecked(q.save);
}

void MainWindow::showSlotHints()
{
    const SlotMemos& m = session_.memos();
    for (std::size_t k = 0; k < c_.slotButtons.size(); ++k) {
        QPushButton* b = c_.slotButtons[k];
        // Memos are the one pop-up hint the window shows.
        const QString memo = fromCp932(m.texts[k]);
        b->setStatusTip(m.showMemos ? memo : QString::fromUtf8(kGeneralSlotHint));
        b->setToolTip(m.showMemos ? memo : QString());
    }
}

void MainWindow::toggleMemoPanel()
{
    c_.memoPanel->setVisible(!c_.memoPanel->isVisible());
    if (c_.memoPanel->isVisible()) {
        c_.memoPanel->raise();
        reloadMemoPanel();
    }
}

void MainWindow::reloadMemoPanel()
{
    if (!session_.reloadMemos())
        return;
    const SlotMemos& m = session_.memos();
    for (int row = 0; row < kSlotCount; ++row)
        c_.memoGrid->item(row, 0)->setText(fromCp932(m.texts[static_cast<std::size_t>(row)]));
    c_.showMemos->setChecked(m.showMemos);
    c_.hoverPreview->setChecked(m.hoverPreview);
}

void MainWindow::saveMemoPanel()
{
    SlotMemos m;
    for (int row = 0; row < kSlotCount; ++row) {
        // A memo is one line of the file: a pasted line break would shift every later memo.
        QString text = c_.memoGrid->item(row, 0)->text();
        text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        m.texts[static_cast<std::size_t>(row)] = toCp932(text);
    }
    m.showMemos = c_.showMemos->isChecked();
    m.hoverPreview = c_.hoverPreview->isChecked();
    if (!session_.saveMemos(m))
        return;
    showSlotHints();
    c_.memoPanel->hide();
}

void MainWindow::hoverSlot(int slot)
{
    if (!c_.hoverPreview->isChecked() || hoveredSlot_ == slot)
        return;
    hoveredSlot_ = slot;
    c_.settingsPreview->hide();
    setFrameColour(c_.previewFrame, kSilver);
    c_.slotPreview->show();
    c_.slotPreview->update();
    if (session_.slots().isEmpty(slot))
        feedback_->flash(c_.nothingSavedLabel);
}

void MainWindow::leaveSlotPreview()
{
    if (!c_.slotPreview->isVisible())
        return;
    c_.slotPreview->hide();
    setFrameColour(c_.previewFrame, kCream);
    hoveredSlot_ = 0;
    c_.settingsPreview->show();
    c_.settingsPreview->update();
}

void MainWindow::mouseMoveEvent(QMouseEvent* e)
{
    leaveSlotPreview();
    QWidget::mouseMoveEvent(e);
}

std::optional<PreviewInputs> MainWindow::slotPreviewInputs() const
{
    if (hoveredSlot_ < 1 || session_.slots().isEmpty(hoveredSlot_))
        return std::nullopt;
    // The slot's lines over the current settings: 引出線長固定 and the mode stay.
    AnnotationSettings s = session_.settings();
    try {
        applySlotLines(session_.slots().lines(hoveredSlot_), s);
    } catch (const Error&) {
        return std::nullopt; // a slot that cannot be applied has no picture
    }
    return previewInputs(s, session_.mode());
}

} // namespace tagler
