#include "ui/ColorBox.h"

#include "settings/ColourItems.h"
#include "ui/WindowLook.h"

#include <QPixmap>

namespace tagler {

namespace {

QIcon swatch(std::int32_t colour)
{
    QPixmap p(16, 12);
    p.fill(toQColor(colour));
    return QIcon(p);
}

} // namespace

ColorBox::ColorBox(QWidget* parent) : IconSizedCombo(QSize(16, 12), parent)
{
    for (int i = 0; i < kColourItemCount; ++i)
        addItem(swatch(colourItemValue(i, custom_)), QString::fromUtf8(colourItemName(i)));
    setMaxVisibleItems(kColourItemCount);
}

void ColorBox::setChoice(std::int32_t customColour, int index)
{
    custom_ = customColour;
    paintCustomSwatch();
    setCurrentIndex(index >= 0 && index < kColourItemCount ? index : kCustomColourItem);
}

void ColorBox::paintCustomSwatch() { setItemIcon(kCustomColourItem, swatch(custom_)); }

void ColorBox::showPopup()
{
    if (openGeometry_) {
        closedGeometry_ = geometry();
        // A parent's children are listed from bottom to top.
        above_ = nullptr;
        if (const QObject* p = parent()) {
            const QObjectList& siblings = p->children();
            for (qsizetype i = siblings.indexOf(this) + 1; i < siblings.size() && !above_; ++i)
                above_ = qobject_cast<QWidget*>(siblings[i]);
        }
        setGeometry(*openGeometry_);
        raise();
    }
    IconSizedCombo::showPopup();
}

void ColorBox::hidePopup()
{
    QComboBox::hidePopup();
    if (openGeometry_ && closedGeometry_.isValid()) {
        setGeometry(closedGeometry_);
        // Back under the panels that open over it.
        if (above_)
            stackUnder(above_);
    }
}

} // namespace tagler
