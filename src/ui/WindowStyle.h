#pragma once
#include <QProxyStyle>

namespace tagler {

// The platform's look with states a drafter can see: every control that has
// the keyboard focus is framed in the highlight colour, mouse or keyboard; a
// toggle marked with markDownPlainly looks sunken and dark while it is down.
class WindowStyle final : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

// Marks a toggle button for the plain down look.
void markDownPlainly(QWidget* toggle);

} // namespace tagler
