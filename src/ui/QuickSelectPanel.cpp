#include "ui/QuickSelectPanel.h"

#include "app/Session.h"
#include "base/CodePage.h"
#include "base/Number.h"
#include "base/TextGate.h"
#include "ui/InputBox.h"
#include "ui/MainControls.h"
#include "ui/PreviewBox.h"
#include "ui/RegisterFeedback.h"
#include "ui/WindowLook.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

#include <algorithm>

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

QuickSelectPanel::QuickSelectPanel(MainControls& controls, Session& session, RegisterFeedback& feedback,
                                   std::function<void()> afterSlot, std::function<void(const QString&)> note,
                                   QWidget* window)
    : QObject(window), c_(controls), session_(session), feedback_(feedback), afterSlot_(std::move(afterSlot)),
      note_(std::move(note)), memoTip_(new QLabel(window))
{
    // A memo drawn inside the window lets every click through to the control under it.
    memoTip_->setAttribute(Qt::WA_TransparentForMouseEvents);
    memoTip_->setForegroundRole(QPalette::ToolTipText);
    memoTip_->setBackgroundRole(QPalette::ToolTipBase);
    memoTip_->setAutoFillBackground(true);
    memoTip_->setFrameShape(QFrame::Box);
    memoTip_->setMargin(2);
    memoTip_->hide();
    for (std::size_t k = 0; k < c_.slotButtons.size(); ++k) {
        QPushButton* b = c_.slotButtons[k];
        b->installEventFilter(this);
        connect(b, &QPushButton::clicked, this, [this, k] { pressSlot(static_cast<int>(k) + 1); });
    }
    connect(c_.slotSave, &QPushButton::clicked, this, &QuickSelectPanel::pressSave);
    // The right button opens the memos where it goes down, as a menu would.
    c_.slotSave->installEventFilter(this);
    connect(c_.saveMemos, &QPushButton::clicked, this, &QuickSelectPanel::saveMemoPanel);
    connect(c_.rememberLength, &QPushButton::clicked, this, &QuickSelectPanel::rememberLength);
    c_.slotPreview->setSource([this] { return slotPreviewInputs(); });
    showSlotHints();
}

void QuickSelectPanel::loadAtStart()
{
    QuickSelect& q = session_.quickSelect();
    const int start = q.loadAtStart();
    // The kept slot is pressed as if by hand, so an empty one says so too.
    if (start != 0 && q.slots().isEmpty(start))
        feedback_.flash(c_.nothingSavedLabel);
    showMemos();
    showSlotHints();
    afterSlot_();
}

void QuickSelectPanel::pressSlot(int slot)
{
    const SlotFeedback feedback = session_.quickSelect().pressSlot(slot);
    if (feedback == SlotFeedback::saved)
        feedback_.flash(c_.savedLabel);
    else if (feedback == SlotFeedback::nothingSaved)
        feedback_.flash(c_.nothingSavedLabel);
    afterSlot_();
}

void QuickSelectPanel::pressSave()
{
    session_.quickSelect().toggleSave();
    if (c_.memoPanel->isVisible())
        reloadMemoPanel();
    afterSlot_();
}

void QuickSelectPanel::showButtons()
{
    const QuickSelectButtons& q = session_.quickSelect().buttons();
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
    // The slot under the mouse may just have been stored.
    c_.slotPreview->update();
}

void QuickSelectPanel::showSlotHints()
{
    const SlotMemos& m = session_.quickSelect().memos();
    for (std::size_t k = 0; k < c_.slotButtons.size(); ++k) {
        QPushButton* b = c_.slotButtons[k];
        const QString memo = fromCp932(m.texts[k]);
        b->setStatusTip(m.showMemos ? memo : QString::fromUtf8(kGeneralSlotHint));
    }
}

void QuickSelectPanel::showMemos()
{
    const SlotMemos& m = session_.quickSelect().memos();
    const QSignalBlocker a(c_.showMemos), b(c_.hoverPreview);
    c_.showMemos->setChecked(m.showMemos);
    c_.hoverPreview->setChecked(m.hoverPreview);
    for (int row = 0; row < kSlotCount; ++row)
        c_.memoGrid->item(row, 0)->setText(fromCp932(m.texts[static_cast<std::size_t>(row)]));
}

void QuickSelectPanel::toggleMemoPanel()
{
    c_.memoPanel->setVisible(!c_.memoPanel->isVisible());
    if (c_.memoPanel->isVisible()) {
        c_.memoPanel->raise();
        reloadMemoPanel();
    }
}

void QuickSelectPanel::reloadMemoPanel()
{
    if (session_.quickSelect().reloadMemos())
        showMemos();
}

void QuickSelectPanel::saveMemoPanel()
{
    SlotMemos m;
    for (int row = 0; row < kSlotCount; ++row) {
        // A memo is one line of the file: a pasted line break would shift every later memo.
        QString text = c_.memoGrid->item(row, 0)->text();
        text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        GatedText gated = passTextGate(text);
        if (gated.refused) {
            Q_EMIT refused(QStringLiteral("メモ %1: ").arg(row + 1) + refusalMessage(*gated.refused));
            return;
        }
        m.texts[static_cast<std::size_t>(row)] = std::move(gated.bytes);
    }
    m.showMemos = c_.showMemos->isChecked();
    m.hoverPreview = c_.hoverPreview->isChecked();
    if (!session_.quickSelect().saveMemos(m))
        return;
    showSlotHints();
    c_.memoPanel->hide();
}

void QuickSelectPanel::hoverSlot(int slot)
{
    if (!c_.hoverPreview->isChecked() || hoveredSlot_ == slot)
        return;
    hoveredSlot_ = slot;
    c_.settingsPreview->hide();
    setFrameColour(c_.previewFrame, kSilver);
    c_.slotPreview->show();
    c_.slotPreview->update();
    if (session_.quickSelect().slots().isEmpty(slot))
        feedback_.hint(c_.nothingSavedLabel);
}

void QuickSelectPanel::leaveSlotPreview()
{
    memoTip_->hide();
    if (!c_.slotPreview->isVisible())
        return;
    c_.slotPreview->hide();
    setFrameColour(c_.previewFrame, kCream);
    hoveredSlot_ = 0;
    c_.settingsPreview->show();
    c_.settingsPreview->update();
}

bool QuickSelectPanel::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == c_.slotSave && e->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(e)->button() == Qt::RightButton) {
        if (c_.slotSave->isEnabled())
            toggleMemoPanel();
        return true;
    }
    // The menu key and Shift+F10 open the memos too; the right button has done so at its press.
    if (watched == c_.slotSave && e->type() == QEvent::ContextMenu) {
        if (static_cast<QContextMenuEvent*>(e)->reason() != QContextMenuEvent::Mouse && c_.slotSave->isEnabled())
            toggleMemoPanel();
        return true;
    }
    for (std::size_t k = 0; k < c_.slotButtons.size(); ++k) {
        if (watched != c_.slotButtons[k])
            continue;
        const int slot = static_cast<int>(k) + 1;
        switch (e->type()) {
        case QEvent::Enter:
        case QEvent::MouseMove: hoverSlot(slot); break;
        case QEvent::ToolTip: showMemoTip(slot); return true;
        case QEvent::Leave:
        case QEvent::MouseButtonPress: memoTip_->hide(); break;
        default: break;
        }
    }
    return QObject::eventFilter(watched, e);
}

// Memos are the one pop-up hint the window shows. It sits above the slot
// buttons, clear of 長さ記憶 and 引出線長固定 below them.
void QuickSelectPanel::showMemoTip(int slot)
{
    const SlotMemos& m = session_.quickSelect().memos();
    const QString memo = fromCp932(m.texts[static_cast<std::size_t>(slot - 1)]);
    if (!m.showMemos || memo.trimmed().isEmpty()) {
        memoTip_->hide();
        return;
    }
    memoTip_->setText(memo);
    memoTip_->adjustSize();
    const QRect first = c_.slotButtons.front()->geometry();
    const int right = c_.slotButtons[4]->geometry().right();
    memoTip_->move(std::max(0, right + 1 - memoTip_->width()), std::max(0, first.top() - memoTip_->height()));
    memoTip_->show();
    memoTip_->raise();
}

void QuickSelectPanel::rememberLength()
{
    session_.setInputLines(c_.input->cp932Lines());
    const auto length = session_.rememberLeaderLength();
    if (!length)
        return; // the message has said why
    feedback_.flash(c_.rememberLength);
    note_(QStringLiteral("長さ記憶: 引出線の長さ %1 mm (1/1) を記憶しました")
              .arg(QString::fromStdString(formatReadableLength(parseDecimal(*length)))));
}

std::optional<PreviewInputs> QuickSelectPanel::slotPreviewInputs() const
{
    // The slot's lines over the current settings: 引出線長固定 and the mode stay.
    const auto s = session_.quickSelect().slotSettings(hoveredSlot_, session_.settings());
    if (!s)
        return std::nullopt;
    return previewInputs(*s, session_.mode());
}

} // namespace tagler
