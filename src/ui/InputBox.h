#pragma once
#include "app/ImeControl.h"
#include "base/LineFile.h"

#include <QPlainTextEdit>

namespace tagler {

// The annotation text box (注釈文字): five lines of at most 70 CP932 bytes,
// nothing the text gate refuses, Alt+Enter asks for completion.
class InputBox final : public QPlainTextEdit {
    Q_OBJECT
public:
    InputBox(ImeControl& ime, QWidget* parent = nullptr);

    // The text as the writer reads it: CP932 lines.
    Lines cp932Lines() const;
    void setCp932Lines(const Lines& lines);

    // The mode the input method takes when the box gets the focus; leaving
    // the box with the mouse drops it, so coming back changes nothing.
    void setOwnImeMode(ImeMode mode) { ownImeMode_ = mode; }
    ImeMode ownImeMode() const { return ownImeMode_; }

Q_SIGNALS:
    void completionRequested();
    // A character was kept out; the message names it and says why.
    void refused(const QString& message);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void enforceLimits();
    void insertLineBreak();
    bool caretOnLastAllowedLine() const;

    ImeControl& ime_;
    ImeMode ownImeMode_ = ImeMode::dontCare;
    bool correcting_ = false;
};

} // namespace tagler
