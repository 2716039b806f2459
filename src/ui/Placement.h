#pragma once
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStringList>

#include "ui/WindowLook.h"

// The window is laid out in fixed client pixels; these place one control.
namespace tagler::place {

inline constexpr int kRowHeight = 22;

template <class W> W* at(W* widget, int x, int y, int width, int height = kRowHeight)
{
    widget->setGeometry(x, y, width, height);
    return widget;
}

inline QLabel* label(QWidget* parent, const QString& text, int x, int y, int width, int height = 14)
{
    return at(new QLabel(text, parent), x, y, width, height);
}

inline QComboBox* combo(QWidget* parent, const QStringList& items, int x, int y, int width)
{
    auto* box = at(new QComboBox(parent), x, y, width);
    box->addItems(items);
    box->setMaxVisibleItems(static_cast<int>(items.size()));
    return box;
}

inline QSpinBox* spin(QWidget* parent, int minimum, int maximum, int x, int y, int width)
{
    auto* box = at(new QSpinBox(parent), x, y, width);
    box->setRange(minimum, maximum);
    return box;
}

inline QPushButton* button(QWidget* parent, const QString& caption, int x, int y, int width, int height = kRowHeight,
                           bool toggle = false)
{
    auto* b = at(new QPushButton(caption, parent), x, y, width, height);
    b->setCheckable(toggle);
    if (toggle)
        showDownPlainly(b);
    // Reached by Tab; a click leaves the focus where the user is typing.
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

} // namespace tagler::place
