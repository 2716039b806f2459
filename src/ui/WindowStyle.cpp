#include "ui/WindowStyle.h"

#include <QAbstractScrollArea>
#include <QPainter>
#include <QStyleOption>
#include <QWidget>
#include <qdrawutil.h>

namespace tagler {

namespace {

constexpr char kDownPlainly[] = "taglerDownPlainly";

bool drawnDownPlainly(const QStyleOption* option, const QWidget* widget)
{
    return (option->state & QStyle::State_On) && widget && widget->property(kDownPlainly).toBool();
}

// Sunken two pixels deep, on a fill dark enough to tell from an up button at a glance.
void drawDownPanel(const QStyleOption* option, QPainter* painter)
{
    QPalette shades = option->palette;
    shades.setColor(QPalette::Dark, QColor(0x30, 0x30, 0x30));
    shades.setColor(QPalette::Light, QColor(0x70, 0x70, 0x70));
    const QBrush fill(QColor(0x9a, 0x9a, 0x9a));
    qDrawShadePanel(painter, option->rect, shades, true, 2, &fill);
}

void drawMarkAround(const QRect& rect, const QPalette& palette, QPainter* painter)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    QPen pen(palette.color(QPalette::Active, QPalette::Highlight), 2);
    pen.setJoinStyle(Qt::MiterJoin);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
    painter->restore();
}

void drawMark(const QStyleOption* option, QPainter* painter)
{
    if (!(option->state & QStyle::State_HasFocus))
        return;
    drawMarkAround(option->rect, option->palette, painter);
}

} // namespace

void WindowStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const
{
    // The bevel, not the panel primitive: some platform styles draw a button's bevel without it.
    if (element == CE_PushButtonBevel && drawnDownPlainly(option, widget)) {
        drawDownPanel(option, painter);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton)
        drawMark(option, painter);
    // Grids and text boxes: their frame says the focus is inside, the cell frame says where.
    if (element == CE_ShapedFrame && widget && widget->hasFocus() && qobject_cast<const QAbstractScrollArea*>(widget))
        drawMarkAround(option->rect, option->palette, painter);
}

void WindowStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                     const QWidget* widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_ComboBox || control == CC_SpinBox)
        drawMark(option, painter);
}

void WindowStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const
{
    // Check boxes and item views ask for a focus frame; some styles draw it
    // only after a Tab, so it is drawn here whatever moved the focus.
    if (element == PE_FrameFocusRect) {
        // On a selected cell the highlight would hide a frame of its own colour.
        const auto* focus = qstyleoption_cast<const QStyleOptionFocusRect*>(option);
        const QColor highlight = option->palette.color(QPalette::Active, QPalette::Highlight);
        const bool onHighlight = focus && focus->backgroundColor.isValid() &&
                                 (focus->backgroundColor == highlight ||
                                  focus->backgroundColor == option->palette.color(QPalette::Highlight));
        painter->save();
        painter->setPen(
            QPen(onHighlight ? option->palette.color(QPalette::HighlightedText) : highlight, 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5));
        painter->restore();
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element == PE_PanelLineEdit && widget && widget->hasFocus())
        drawMark(option, painter);
}

int WindowStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                           QStyleHintReturn* returnData) const
{
    // A click picks a block or a page; copying is for a double click or Enter, whatever the desktop says.
    if (hint == SH_ItemView_ActivateItemOnSingleClick)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void markDownPlainly(QWidget* toggle) { toggle->setProperty(kDownPlainly, true); }

} // namespace tagler
