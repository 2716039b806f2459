#pragma once
#include "base/LineFile.h"
#include "host/DrawingModel.h"
#include "host/HostSheet.h"

#include <QSize>
#include <QString>

#include <string>

// A record list drawn into a picture file. Needs a QGuiApplication.
namespace tagler::host {

// Picture size for a drawing: the longer side longSide pixels, the shorter one
// following the drawing's proportions but never under a third of it.
QSize pictureSize(const Drawing& drawing, int longSide = 1400);

// PNG or SVG by the extension of out (case ignored); anything else is an
// input/output error, as is a file that cannot be written.
Drawing renderToFile(const Lines& records, const HostSheet& sheet, const std::string& out, const QString& caption = {});

} // namespace tagler::host
