#pragma once
#include <QObject>
#include <QTimer>
#include <initializer_list>
#include <vector>

class QAbstractButton;
class QLabel;

namespace tagler {

// The short confirmation after a register button: its caption turns dark
// green, and 700 ms later every register caption is back to normal and the
// quick-select labels 保存完了 / 保存なし are hidden. One timer serves all.
class RegisterFeedback final : public QObject {
    Q_OBJECT
public:
    static constexpr int kMilliseconds = 700;

    RegisterFeedback(std::initializer_list<QAbstractButton*> buttons, std::initializer_list<QLabel*> labels,
                     QObject* parent = nullptr);

    void flash(QAbstractButton* button); // a register button was pressed
    void flash(QLabel* label);           // a click's result, shown for a moment over any other label
    void hint(QLabel* label);            // a hover's label, never over a click's result
    bool running() const { return timer_.isActive(); }

private:
    void expire();
    void showOnly(QLabel* label);

    std::vector<QAbstractButton*> buttons_;
    std::vector<QLabel*> labels_;
    QTimer timer_;
    bool clickShown_ = false;
};

// The caption colour a flashed button shows (the platform colour 32768).
QColor registeredCaptionColour();

} // namespace tagler
