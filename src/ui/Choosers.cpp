#include "ui/Choosers.h"

#include "ui/FontChooserDialog.h"

#include <QColorDialog>

namespace tagler {

std::optional<QString> QtChoosers::chooseFont(const QString& initialFamily)
{
    FontChooserDialog dialog(initialFamily, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenName();
}

std::optional<QColor> QtChoosers::chooseColour(const QColor& initial)
{
    const QColor colour = QColorDialog::getColor(initial, parent_);
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}

} // namespace tagler
