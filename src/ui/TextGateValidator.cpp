#include "ui/TextGateValidator.h"

#include "base/TextGate.h"

#include <QLineEdit>

namespace tagler {

QValidator::State TextGateValidator::validate(QString& input, int&) const
{
    const GatedText gated = passTextGate(input);
    if (!gated.refused)
        return Acceptable;
    Q_EMIT refused(refusalMessage(*gated.refused));
    return Invalid;
}

QWidget* TextGateDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        auto* validator = new TextGateValidator(line);
        connect(validator, &TextGateValidator::refused, this, &TextGateDelegate::refused);
        line->setValidator(validator);
    }
    return editor;
}

} // namespace tagler
