// The annotation box as the user types, pastes and moves in it.
#include "ui/InputBox.h"
#include "UiTestSupport.h"
#include "base/CodePage.h"
#include "ui/QtImeControl.h"
#include "ui/WindowLook.h"

#include <QApplication>
#include <QClipboard>
#include <QEnterEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <memory>

using namespace tagler;
using tagler::test::typeText;

class InputBoxTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void enterIsRefusedOnTheFifthLine();
    void enterReplacingASelectionIsAllowed();
    void typingPastSeventyBytesCutsTheLine();
    void pastingSevenLinesLeavesFive();
    void pastedEmojiIsRefused();
    void typedEmojiIsRefused();
    void inputMethodCommitIsFiltered();
    void downArrowStaysOnTheFifthLine();
    void altEnterAsksForCompletionWithoutALineBreak();
    void undoTakesBackTheWholeEdit();
    void codePageLinesRoundTrip();
    void hoverFocusesAndLeavingDropsTheOwnImeMode();
    void editingShortcutsWork();
    void deletingKeysEdit();
    void fiveLinesStayInReachWithATallFont();

private:
    void typeLines(int count);

    std::unique_ptr<QtImeControl> ime_;
    std::unique_ptr<QWidget> window_;
    InputBox* box_ = nullptr;
};

void InputBoxTest::init()
{
    ime_ = std::make_unique<QtImeControl>();
    window_ = std::make_unique<QWidget>();
    box_ = new InputBox(*ime_, window_.get());
    box_->setGeometry(0, 0, 437, 72);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    box_->setFocus();
}

void InputBoxTest::cleanup()
{
    window_.reset();
    ime_.reset();
}

void InputBoxTest::typeLines(int count)
{
    for (int i = 1; i <= count; ++i) {
        QTest::keyClicks(box_, QString::number(i));
        if (i < count)
            QTest::keyClick(box_, Qt::Key_Return);
    }
}

void InputBoxTest::enterIsRefusedOnTheFifthLine()
{
    typeLines(5);
    QTest::keyClick(box_, Qt::Key_Return);
    QTest::keyClicks(box_, QStringLiteral("x"));
    QCOMPARE(box_->toPlainText(), QStringLiteral("1\n2\n3\n4\n5x"));
    // Also in the middle: a break there would push the fifth line out.
    box_->moveCursor(QTextCursor::Start);
    QTest::keyClick(box_, Qt::Key_Enter);
    QCOMPARE(box_->toPlainText(), QStringLiteral("1\n2\n3\n4\n5x"));
}

void InputBoxTest::enterReplacingASelectionIsAllowed()
{
    typeLines(5);
    // Lines 2 and 3 selected become one break: four lines, nothing lost.
    QTextCursor c = box_->textCursor();
    c.setPosition(2);
    c.setPosition(6, QTextCursor::KeepAnchor);
    box_->setTextCursor(c);
    QTest::keyClick(box_, Qt::Key_Return);
    QCOMPARE(box_->toPlainText(), QStringLiteral("1\n\n4\n5"));
}

void InputBoxTest::typingPastSeventyBytesCutsTheLine()
{
    QTest::keyClicks(box_, QString(69, QLatin1Char('a')));
    QTest::keyClicks(box_, QStringLiteral("bc"));
    QCOMPARE(box_->toPlainText(), QString(69, QLatin1Char('a')) + QStringLiteral("b"));
    QCOMPARE(box_->cp932Lines(), (Lines{std::string(69, 'a') + "b"}));
    // A double-byte character that would straddle the limit does not go in by halves.
    box_->clear();
    QTest::keyClicks(box_, QString(69, QLatin1Char('a')));
    typeText(box_, QStringLiteral("あ"));
    QCOMPARE(box_->cp932Lines(), (Lines{std::string(69, 'a')}));
}

void InputBoxTest::pastingSevenLinesLeavesFive()
{
    QApplication::clipboard()->setText(QStringLiteral("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7"));
    box_->paste();
    QCOMPARE(box_->toPlainText(), QStringLiteral("1\n2\n3\n4\n5"));
    QCOMPARE(box_->textCursor().blockNumber(), 4);
    QCOMPARE(box_->cp932Lines().size(), std::size_t(5));
}

void InputBoxTest::pastedEmojiIsRefused()
{
    QApplication::clipboard()->setText(QStringLiteral("注\U0001F600釈"));
    box_->paste();
    QCOMPARE(box_->toPlainText(), QStringLiteral("注釈"));
    QCOMPARE(box_->cp932Lines(), (Lines{sjis("注釈")}));
}

void InputBoxTest::typedEmojiIsRefused()
{
    QTest::keyClicks(box_, QStringLiteral("a"));
    typeText(box_, QStringLiteral("\U0001F600"));
    QTest::keyClicks(box_, QStringLiteral("b"));
    QCOMPARE(box_->toPlainText(), QStringLiteral("ab"));
}

void InputBoxTest::inputMethodCommitIsFiltered()
{
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("漢\U0001F600字"));
    QApplication::sendEvent(box_, &commit);
    QCOMPARE(box_->toPlainText(), QStringLiteral("漢字"));
}

void InputBoxTest::downArrowStaysOnTheFifthLine()
{
    typeLines(5);
    QTest::keyClicks(box_, QStringLiteral("xyz"));
    QTextCursor c = box_->textCursor();
    c.setPosition(c.position() - 2); // between x and y on the fifth line
    box_->setTextCursor(c);
    const int before = box_->textCursor().position();
    QTest::keyClick(box_, Qt::Key_Down);
    QCOMPARE(box_->textCursor().position(), before);
    // Above the fifth line the arrow moves as usual.
    box_->moveCursor(QTextCursor::Start);
    QTest::keyClick(box_, Qt::Key_Down);
    QCOMPARE(box_->textCursor().blockNumber(), 1);
}

void InputBoxTest::altEnterAsksForCompletionWithoutALineBreak()
{
    QSignalSpy asked(box_, &InputBox::completionRequested);
    QTest::keyClicks(box_, QStringLiteral("abc"));
    QTest::keyClick(box_, Qt::Key_Return, Qt::AltModifier);
    QCOMPARE(asked.count(), 1);
    QCOMPARE(box_->toPlainText(), QStringLiteral("abc"));
}

void InputBoxTest::undoTakesBackTheWholeEdit()
{
    QTest::keyClicks(box_, QStringLiteral("ab"));
    QApplication::clipboard()->setText(QStringLiteral("1\n2\n3\n4\n5\n6"));
    box_->paste();
    QCOMPARE(box_->toPlainText(), QStringLiteral("ab1\n2\n3\n4\n5"));
    box_->undo();
    QCOMPARE(box_->toPlainText(), QStringLiteral("ab"));
}

void InputBoxTest::codePageLinesRoundTrip()
{
    const Lines lines{sjis("一行目"), "", sjis("ｶﾅ ①")};
    box_->setCp932Lines(lines);
    QCOMPARE(box_->cp932Lines(), lines);
}

void InputBoxTest::hoverFocusesAndLeavingDropsTheOwnImeMode()
{
    QLineEdit* other = new QLineEdit(window_.get());
    other->setGeometry(0, 80, 100, 20);
    other->show();
    other->setFocus();
    QTRY_VERIFY(other->hasFocus());
    box_->setOwnImeMode(ImeMode::katakanaHalf);

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(box_, &enter);
    QTRY_VERIFY(box_->hasFocus());
    QCOMPARE(ime_->current(), ImeMode::katakanaHalf);

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(box_, &leave);
    const auto requests = ime_->requested().size();
    other->setFocus();
    QTRY_VERIFY(other->hasFocus());
    QApplication::sendEvent(box_, &enter);
    QTRY_VERIFY(box_->hasFocus());
    // Coming back forces no mode: the user's own IME state stays.
    QCOMPARE(ime_->requested().size(), requests);
}

namespace {

// A key as X11 sends it: Backspace, Delete and Ctrl+letter come with a control character as text.
void pressKey(QWidget* w, Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(w, &release);
}

// The first binding of a standard key.
void pressStandardKey(QWidget* w, QKeySequence::StandardKey key)
{
    const QKeyCombination combo = QKeySequence::keyBindings(key).constFirst()[0];
    QString text;
    if (combo.keyboardModifiers() & Qt::ControlModifier && combo.key() >= Qt::Key_A && combo.key() <= Qt::Key_Z)
        text = QChar(combo.key() - Qt::Key_A + 1);
    pressKey(w, combo.key(), combo.keyboardModifiers(), text);
}

} // namespace

void InputBoxTest::editingShortcutsWork()
{
    QTest::keyClicks(box_, QStringLiteral("abc"));
    QTest::keyClick(box_, Qt::Key_Home, Qt::ShiftModifier);
    struct Step {
        QKeySequence::StandardKey key;
        QString clipboardBefore; // empty: leave the clipboard as it is
        QString text;
        QString clipboard;
    };
    const Step steps[] = {
        {QKeySequence::Copy, {}, QStringLiteral("abc"), QStringLiteral("abc")},
        {QKeySequence::Paste, {}, QStringLiteral("abc"), QStringLiteral("abc")}, // over its own selection
        {QKeySequence::Paste, {}, QStringLiteral("abcabc"), QStringLiteral("abc")},
        {QKeySequence::SelectAll, {}, QStringLiteral("abcabc"), QStringLiteral("abc")},
        {QKeySequence::Cut, {}, QString(), QStringLiteral("abcabc")},
        {QKeySequence::Undo, {}, QStringLiteral("abcabc"), QStringLiteral("abcabc")},
        {QKeySequence::Redo, {}, QString(), QStringLiteral("abcabc")},
        // A pasted text keeps to the limits and refusals of the box.
        {QKeySequence::Paste, QStringLiteral("1\n2\n3\n4\n5\n6"), QStringLiteral("1\n2\n3\n4\n5"), {}},
        {QKeySequence::SelectAll, {}, QStringLiteral("1\n2\n3\n4\n5"), {}},
        {QKeySequence::Paste, QStringLiteral("注\U0001F600釈"), QStringLiteral("注釈"), {}},
    };
    for (const Step& s : steps) {
        if (!s.clipboardBefore.isEmpty())
            QApplication::clipboard()->setText(s.clipboardBefore);
        pressStandardKey(box_, s.key);
        QCOMPARE(box_->toPlainText(), s.text);
        if (!s.clipboard.isEmpty())
            QCOMPARE(QApplication::clipboard()->text(), s.clipboard);
    }
}

void InputBoxTest::deletingKeysEdit()
{
    QTest::keyClicks(box_, QStringLiteral("abcd"));
    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        QString after;
    };
    const Step steps[] = {
        {Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"), QStringLiteral("abc")},
        {Qt::Key_Left, Qt::NoModifier, {}, QStringLiteral("abc")},
        {Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"), QStringLiteral("ab")},
        {Qt::Key_Home, Qt::ShiftModifier, {}, QStringLiteral("ab")},
        {Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"), QString()}, // the selection
    };
    for (const Step& s : steps) {
        pressKey(box_, s.key, s.modifiers, s.text);
        QCOMPARE(box_->toPlainText(), s.after);
    }
}

void InputBoxTest::fiveLinesStayInReachWithATallFont()
{
    for (const char* family : {"IPAGothic", "IPAMincho", "Noto Serif CJK JP"}) {
        box_->setFont(namedFont(QString::fromUtf8(family)));
        box_->clear();
        typeLines(5);
        QCoreApplication::processEvents();
        const int viewport = box_->viewport()->height();
        const QTextBlock first = box_->document()->firstBlock();
        const QTextBlock last = box_->document()->lastBlock();
        const bool allShown =
            box_->cursorRect(QTextCursor(first)).top() >= 0 && box_->cursorRect(QTextCursor(last)).bottom() < viewport;
        // A line out of sight can be scrolled back.
        QVERIFY2(allShown || box_->verticalScrollBar()->isVisible(), family);
        if (QString::fromUtf8(family) == QStringLiteral("IPAGothic"))
            QVERIFY(allShown && !box_->verticalScrollBar()->isVisible()); // the usual font needs no bar
    }
}

QTEST_MAIN(InputBoxTest)
#include "InputBoxTest.moc"
