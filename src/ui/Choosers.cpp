#include "ui/Choosers.h"

#include "ui/WindowLook.h"

#include <QColorDialog>
#include <QFontDialog>

namespace tagler {

std::optional<QString> QtChoosers::chooseFont(const QString& initialFamily)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, namedFont(initialFamily), parent_);
    if (!ok)
        return std::nullopt;
    return font.family();
}

std::optional<QColor> QtChoosers::chooseColour(const QColor& initial)
{
    const QColor colour = QColorDialog::getColor(initial, parent_);
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}

} // namespace tagler
