#pragma once
#include "render/DrawingModel.h"

#include <QSize>
#include <QString>

#include <string>

// A drawing written as a picture file. Needs a QGuiApplication.
namespace tagler::host {

// Picture size for a drawing: the longer side longSide pixels, the shorter one
// following the drawing's proportions but never under a third of it.
QSize pictureSize(const render::Drawing& drawing, int longSide = 1400);

// PNG or SVG by the extension of out (case ignored); anything else is an
// input/output error, as is a file that cannot be written.
void renderToFile(const render::Drawing& drawing, const std::string& out, const QString& caption = {});

} // namespace tagler::host
