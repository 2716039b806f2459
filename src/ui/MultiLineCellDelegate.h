#pragma once
#include <QPlainTextEdit>
#include <QStyledItemDelegate>

namespace tagler {

// The in-place editor of a text-book cell: Enter breaks the line,
// Ctrl+Enter ends the edit, the arrows move the caret and Ctrl+arrows the
// grid's current cell. A character the text gate refuses stays out.
class MultiLineCellEditor final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MultiLineCellEditor(QWidget* parent = nullptr);

Q_SIGNALS:
    void editEnded();
    void cellMoveRequested(int key);
    void refused(const QString& message);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
};

// Opens MultiLineCellEditor on a cell and hands every change of its text to
// the model at once.
class MultiLineCellDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

Q_SIGNALS:
    void cellMoveRequested(int key);
    void refused(const QString& message);
};

} // namespace tagler
