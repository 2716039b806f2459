#pragma once
#include "base/LineFile.h"
#include "render/DrawingModel.h"
#include "render/HostSheet.h"

#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

// Paints what the host would draw into any rectangle of any QPainter, so a
// single picture, an SVG and a sheet of many tiles share one painter.
namespace tagler::render {

// Height of the caption strip under a drawing, in device pixels.
inline constexpr double captionStripHeight = 22;

// The named font first, then ＭＳ ゴシック, IPAGothic and Noto Sans CJK JP, each
// only when installed.
QFont hostFont(const std::string& cp932Name, bool italic = false);

// White background, the drawing fitted with a margin, y up, a thin cross at
// the origin when it is in view. A non-empty caption takes a strip at the
// bottom of target.
void paintDrawing(QPainter& painter, const QRectF& target, const Drawing& drawing, const QString& caption = {});

// Records (CP932 lines) as the host reads them back, painted into target.
// The drawing is returned so the caller can report skipped records.
Drawing renderRecords(QPainter& painter, const QRectF& target, const Lines& records, const HostSheet& sheet,
                      const QString& caption = {});

} // namespace tagler::render
