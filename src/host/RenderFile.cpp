#include "host/RenderFile.h"

#include "base/Error.h"
#include "render/RecordPainter.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#if TAGLER_HAVE_SVG
#include <QSvgGenerator>
#endif

#include <algorithm>

namespace tagler::host {

using namespace tagler::render;

QSize pictureSize(const Drawing& drawing, int longSide)
{
    Extent e = drawingExtent(drawing);
    double w = e.empty ? 1 : e.right - e.left, h = e.empty ? 1 : e.top - e.bottom;
    int shortSide = longSide / 3;
    if (w >= h)
        return {longSide, std::clamp(static_cast<int>(longSide * h / std::max(w, 1e-9)), shortSide, longSide)};
    return {std::clamp(static_cast<int>(longSide * w / h), shortSide, longSide), longSide};
}

void renderToFile(const Drawing& drawing, const std::string& out, const QString& caption)
{
    QString path = QString::fromStdString(out);
    QString suffix = QFileInfo(path).suffix().toLower();
    QSize size = pictureSize(drawing);
    if (!caption.isEmpty())
        size.rheight() += static_cast<int>(captionStripHeight);
    QRectF target(QPointF(0, 0), QSizeF(size));

    if (suffix == QLatin1String("png")) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            paintDrawing(painter, target, drawing, caption);
        }
        if (!image.save(path, "PNG"))
            fail(ErrorKind::InputOutput, "cannot write " + out);
    } else if (suffix == QLatin1String("svg")) {
#if TAGLER_HAVE_SVG
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(size);
        svg.setViewBox(target);
        svg.setTitle(caption);
        QPainter painter;
        if (!painter.begin(&svg))
            fail(ErrorKind::InputOutput, "cannot write " + out);
        paintDrawing(painter, target, drawing, caption);
        if (!painter.end())
            fail(ErrorKind::InputOutput, "cannot write " + out);
#else
        fail(ErrorKind::InputOutput, "this build of tagler-host draws .png only (no Qt Svg): " + out);
#endif
    } else {
        fail(ErrorKind::InputOutput, "the picture must be .png or .svg: " + out);
    }
}

} // namespace tagler::host
