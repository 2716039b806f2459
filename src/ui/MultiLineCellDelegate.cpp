#include "ui/MultiLineCellDelegate.h"

#include "app/InputBoxRules.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

namespace tagler {

namespace {

bool isArrow(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

const char* const kLoaded = "taglerLoaded";

} // namespace

MultiLineCellEditor::MultiLineCellEditor(QWidget* parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFrameShape(QFrame::NoFrame);
    document()->setDocumentMargin(1);
}

void MultiLineCellEditor::keyPressEvent(QKeyEvent* e)
{
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    const bool ctrl = e->modifiers().testFlag(Qt::ControlModifier);
    if (enter && ctrl) {
        Q_EMIT editEnded();
        return;
    }
    if (enter) {
        insertPlainText(QStringLiteral("\n"));
        return;
    }
    if (typesText(e->text())) {
        if (const AcceptedInput accepted = acceptableInput(e->text()); accepted.refused) {
            Q_EMIT refused(refusalMessage(*accepted.refused));
            return;
        }
    }
    if (isArrow(e->key()) && ctrl) {
        QTextCursor cursor = textCursor();
        cursor.clearSelection();
        setTextCursor(cursor);
        Q_EMIT cellMoveRequested(e->key());
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
    // At the first or last line an arrow would reach the grid; it stays here.
    if (isArrow(e->key()))
        e->accept();
}

void MultiLineCellEditor::inputMethodEvent(QInputMethodEvent* e)
{
    const AcceptedInput accepted = acceptableInput(e->commitString());
    if (!accepted.refused) {
        QPlainTextEdit::inputMethodEvent(e);
        return;
    }
    Q_EMIT refused(refusalMessage(*accepted.refused));
    QInputMethodEvent filtered(e->preeditString(), e->attributes());
    filtered.setCommitString(accepted.text, e->replacementStart(), e->replacementLength());
    QPlainTextEdit::inputMethodEvent(&filtered);
}

void MultiLineCellEditor::insertFromMimeData(const QMimeData* source)
{
    if (!source->hasText())
        return;
    const AcceptedInput accepted = acceptableInput(source->text());
    if (accepted.refused)
        Q_EMIT refused(refusalMessage(*accepted.refused));
    insertPlainText(accepted.text);
}

QWidget* MultiLineCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    auto* editor = new MultiLineCellEditor(parent);
    auto* self = const_cast<MultiLineCellDelegate*>(this);
    connect(editor, &QPlainTextEdit::textChanged, self, [self, editor] {
        if (editor->property(kLoaded).toBool())
            Q_EMIT self->commitData(editor);
    });
    connect(editor, &MultiLineCellEditor::editEnded, self, [self, editor] {
        Q_EMIT self->commitData(editor);
        Q_EMIT self->closeEditor(editor);
    });
    connect(editor, &MultiLineCellEditor::cellMoveRequested, self, &MultiLineCellDelegate::cellMoveRequested);
    connect(editor, &MultiLineCellEditor::refused, self, &MultiLineCellDelegate::refused);
    return editor;
}

void MultiLineCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    // The model answers each change with the text just typed; loading it
    // again would move the caret under the user's hands.
    if (editor->property(kLoaded).toBool())
        return;
    auto* edit = static_cast<MultiLineCellEditor*>(editor);
    edit->setPlainText(index.data(Qt::EditRole).toString());
    // The caret stands in the text, nothing selected.
    edit->moveCursor(QTextCursor::End);
    edit->setProperty(kLoaded, true);
}

void MultiLineCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    model->setData(index, static_cast<MultiLineCellEditor*>(editor)->toPlainText(), Qt::EditRole);
}

void MultiLineCellDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                                 const QModelIndex&) const
{
    editor->setGeometry(option.rect);
}

} // namespace tagler
