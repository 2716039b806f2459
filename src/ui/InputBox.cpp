#include "ui/InputBox.h"

#include "app/InputBoxRules.h"
#include "app/InputText.h"
#include "base/CodePage.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>

namespace tagler {

InputBox::InputBox(ImeControl& ime, QWidget* parent) : QPlainTextEdit(parent), ime_(ime)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A tall chosen font does not fit five lines; the bar keeps the first one in reach.
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    document()->setDocumentMargin(1);
    // The selection stays visible while the user works elsewhere in the window.
    QPalette p = palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
        p.setColor(QPalette::Inactive, role, p.color(QPalette::Active, role));
    setPalette(p);
    connect(this, &QPlainTextEdit::textChanged, this, &InputBox::enforceLimits);
}

Lines InputBox::cp932Lines() const
{
    // The limits keep the text representable; an empty list is the safe answer otherwise.
    return inputLinesFromText(toPlainText()).value_or(Lines{});
}

void InputBox::setCp932Lines(const Lines& lines)
{
    QStringList text;
    for (const std::string& line : lines)
        text << fromCp932(line);
    setPlainText(text.join(QLatin1Char('\n')));
}

bool InputBox::caretOnLastAllowedLine() const { return textCursor().blockNumber() >= kInputMaxLines - 1; }

void InputBox::insertLineBreak()
{
    QTextCursor c = textCursor();
    QString after = toPlainText();
    after.replace(c.selectionStart(), c.selectionEnd() - c.selectionStart(), QStringLiteral("\n"));
    // A sixth line would push the last one out of the box.
    if (!withinLineLimit(after))
        return;
    c.insertText(QStringLiteral("\n"));
    setTextCursor(c);
}

// Tab types a tab here, so Ctrl+Tab and Ctrl+Shift+Tab are the way out.
bool InputBox::event(QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && (key->modifiers() & Qt::ControlModifier)) {
            const bool back = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
            QWidget::focusNextPrevChild(!back); // the text edit's own refuses while Tab types
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

void InputBox::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & Qt::AltModifier)) {
        Q_EMIT completionRequested();
        return;
    }
    if (enter) {
        insertLineBreak();
        return;
    }
    if (event->key() == Qt::Key_Down && !(event->modifiers() & Qt::ShiftModifier) && caretOnLastAllowedLine())
        return;
    // A paste goes through insertFromMimeData, which keeps to the same limits.
    const QString typed = event->text();
    if (typesText(typed)) {
        if (const AcceptedInput accepted = acceptableInput(typed); accepted.refused) {
            Q_EMIT refused(refusalMessage(*accepted.refused));
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void InputBox::inputMethodEvent(QInputMethodEvent* event)
{
    const AcceptedInput accepted = acceptableInput(event->commitString());
    if (accepted.refused) {
        Q_EMIT refused(refusalMessage(*accepted.refused));
        QInputMethodEvent filtered(event->preeditString(), event->attributes());
        filtered.setCommitString(accepted.text, event->replacementStart(), event->replacementLength());
        QPlainTextEdit::inputMethodEvent(&filtered);
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void InputBox::insertFromMimeData(const QMimeData* source)
{
    if (!source->hasText())
        return;
    const AcceptedInput accepted = acceptableInput(source->text());
    if (accepted.refused)
        Q_EMIT refused(refusalMessage(*accepted.refused));
    textCursor().insertText(accepted.text);
    ensureCursorVisible();
}

void InputBox::enforceLimits()
{
    if (correcting_)
        return;
    QTextCursor caret = textCursor();
    const InputBoxCorrection c = correctInputBox(toPlainText(), caret.position());
    if (c.removals.empty())
        return;
    if (c.refused)
        Q_EMIT refused(refusalMessage(*c.refused));
    const bool linesRemoved = document()->blockCount() > kInputMaxLines;
    correcting_ = true;
    // One undo step with the edit that broke the limits.
    QTextCursor edit(document());
    edit.joinPreviousEditBlock();
    for (auto r = c.removals.rbegin(); r != c.removals.rend(); ++r) {
        edit.setPosition(r->start);
        edit.setPosition(r->end, QTextCursor::KeepAnchor);
        edit.removeSelectedText();
    }
    edit.endEditBlock();
    caret.setPosition(c.caret);
    setTextCursor(caret);
    if (linesRemoved) {
        verticalScrollBar()->setValue(0);
        horizontalScrollBar()->setValue(0);
    }
    correcting_ = false;
}

void InputBox::enterEvent(QEnterEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    QPlainTextEdit::enterEvent(event);
}

void InputBox::leaveEvent(QEvent* event)
{
    ownImeMode_ = ImeMode::dontCare;
    QPlainTextEdit::leaveEvent(event);
}

void InputBox::focusInEvent(QFocusEvent* event)
{
    if (ownImeMode_ != ImeMode::dontCare)
        ime_.setMode(ownImeMode_);
    QPlainTextEdit::focusInEvent(event);
}

} // namespace tagler
