#pragma once
#include "render/PreviewPainter.h"

#include <QObject>
#include <functional>
#include <optional>

class QLabel;
class QWidget;

namespace tagler {

class RegisterFeedback;
class Session;
struct MainControls;

// The quick-select controls: slot buttons, 保存, 長さ記憶, the memo panel and
// the slot's picture shown while the mouse is over its button.
class QuickSelectPanel final : public QObject {
    Q_OBJECT
public:
    // afterSlot shows the settings a slot applied or released has changed;
    // note puts a short result into the status line.
    QuickSelectPanel(MainControls& controls, Session& session, RegisterFeedback& feedback,
                     std::function<void()> afterSlot, std::function<void(const QString&)> note, QWidget* window);

    // First show: memos and slots are read, and the slot 連続 kept is pressed.
    void loadAtStart();
    // Buttons and hints from the session's quick select.
    void showButtons();
    int hoveredSlot() const { return hoveredSlot_; }
    // The slot's memo while the mouse rests on its button.
    const QLabel& memoTip() const { return *memoTip_; }
    // The mouse left the buttons: the settings picture comes back.
    void leaveSlotPreview();

Q_SIGNALS:
    // A memo held a character the text gate refuses; nothing was saved.
    void refused(const QString& message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pressSlot(int slot);
    void pressSave();
    void toggleMemoPanel();
    void reloadMemoPanel();
    void saveMemoPanel();
    void showMemos();
    void showSlotHints();
    void hoverSlot(int slot);
    void showMemoTip(int slot);
    void rememberLength();
    std::optional<PreviewInputs> slotPreviewInputs() const;

    MainControls& c_;
    Session& session_;
    RegisterFeedback& feedback_;
    std::function<void()> afterSlot_;
    std::function<void(const QString&)> note_;
    QLabel* memoTip_;
    int hoveredSlot_ = 0;
};

} // namespace tagler
