#pragma once
#include <QStyledItemDelegate>
#include <QValidator>

namespace tagler {

// Keeps out of a line edit any character the text gate refuses, and says which and why.
class TextGateValidator final : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;

Q_SIGNALS:
    void refused(const QString& message) const;
};

// The line editors of a grid's cells, behind the same gate.
class TextGateDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

Q_SIGNALS:
    void refused(const QString& message) const;
};

} // namespace tagler
