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
    void flash(QLabel* label);           // a quick-select label is shown for a moment
    bool running() const { return timer_.isActive(); }

private:
    void expire();

    std::vector<QAbstractButton*> buttons_;
    std::vector<QLabel*> labels_;
    QTimer timer_;
};

// The caption colour a flashed button shows (the platform colour 32768).
QColor registeredCaptionColour();

} // namespace tagler
