#include "ui/PreviewBox.h"

#include <QPainter>

namespace tagler {

void PreviewBox::paintEvent(QPaintEvent*)
{
    if (!source_)
        return;
    const auto inputs = source_();
    if (!inputs)
        return;
    QPainter painter(this);
    // Scaled by the frame around the box, which sets the picture's width.
    paintPreview(painter, *inputs, parentWidget() ? parentWidget()->width() : width());
}

} // namespace tagler
