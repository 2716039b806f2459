#include "ui/IconSizedCombo.h"

#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace tagler {

IconSizedCombo::IconSizedCombo(QSize iconSize, QWidget* parent) : QComboBox(parent), iconSize_(iconSize) {}

void IconSizedCombo::showPopup()
{
    setIconSize(iconSize_);
    QComboBox::showPopup();
}

// QComboBox's own painting, with the icon size of this box.
void IconSizedCombo::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.iconSize = iconSize_;
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

} // namespace tagler
