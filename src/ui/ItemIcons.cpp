#include "ui/ItemIcons.h"

#include "settings/FrameType.h"
#include "settings/TipSymbol.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <functional>

namespace tagler::icons {

namespace {

QIcon drawn(const std::function<void(QPainter&)>& draw)
{
    QPixmap p(kSize);
    p.fill(Qt::transparent);
    QPainter painter(&p);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    draw(painter);
    return QIcon(p);
}

// Three short rows standing for text.
void textRows(QPainter& p, int x, int y, int rows, int width = 8)
{
    p.save();
    p.setPen(QPen(Qt::darkGray, 1));
    for (int r = 0; r < rows; ++r)
        p.drawLine(x, y + 3 * r, x + width, y + 3 * r);
    p.restore();
}

} // namespace

QIcon tipSymbol(int index)
{
    const TipTraits& t = traits(tipSymbolAt(index));
    return drawn([&t](QPainter& p) {
        const QPointF tip(3, 11);
        const QPointF end(20, 3);
        if (!t.drawsLeader) {
            p.drawLine(QPointF(3, 11), QPointF(6, 11)); // only a mark where the leader would start
            return;
        }
        p.drawLine(tip, end);
        const QPointF w1(9, 5.5);
        const QPointF w2(10.5, 10);
        p.setBrush(t.filled ? Qt::black : Qt::white);
        switch (t.family) {
        case TipFamily::none: break;
        case TipFamily::dot: p.drawEllipse(tip, 2.2, 2.2); break;
        case TipFamily::arrow:
            if (t.closed) {
                p.setBrush(t.filled ? QBrush(Qt::black) : QBrush());
                p.drawPolygon(QPolygonF{tip, w1, w2});
            } else {
                p.drawLine(tip, w1);
                if (t.barbs == 2)
                    p.drawLine(tip, w2);
            }
            break;
        }
    });
}

QIcon frame(int index)
{
    const FrameTraits& t = traits(frameTypeAt(index));
    return drawn([&t](QPainter& p) {
        const bool extended = t.extended;
        const int x = extended ? 7 : 3;
        const QRectF box(x, 2, 21 - x - 1, 10);
        if (extended)
            p.drawLine(QPointF(1, 12), QPointF(x, 12));
        textRows(p, x + 3, 5, 2, static_cast<int>(box.width()) - 6);
        switch (t.family) {
        case FrameFamily::none: break;
        case FrameFamily::underline: p.drawLine(box.bottomLeft(), box.bottomRight()); break;
        case FrameFamily::box: p.drawRect(box); break;
        case FrameFamily::longRound: p.drawRoundedRect(box, 5, 5); break;
        case FrameFamily::bracket:
            p.drawPolyline(QPolygonF{
                {box.left() + 2, box.top()}, box.topLeft(), box.bottomLeft(), {box.left() + 2, box.bottom()}});
            p.drawPolyline(QPolygonF{
                {box.right() - 2, box.top()}, box.topRight(), box.bottomRight(), {box.right() - 2, box.bottom()}});
            break;
        case FrameFamily::balloon:
            p.drawRect(QRectF(6, 1, 15, 9));
            p.drawPolyline(QPolygonF{{9, 10}, {2, 13}, {13, 10}});
            break;
        case FrameFamily::cloud: {
            QPainterPath cloud;
            const int step = t.unevenScallops ? 3 : 4;
            for (int cx = 6; cx <= 18; cx += step) {
                cloud.addEllipse(QPointF(cx, 3), 2.5, 2.2);
                cloud.addEllipse(QPointF(cx, 10), 2.5, 2.2);
            }
            p.drawPath(cloud);
            break;
        }
        case FrameFamily::curvedLeader: {
            QPainterPath curve(QPointF(1, 13));
            curve.cubicTo(QPointF(3, 4), QPointF(8, 4), QPointF(11, 7));
            p.drawPath(curve);
            if (t.curve == 2)
                p.drawRect(QRectF(11, 2, 10, 10));
            else
                p.drawLine(QPointF(11, 12), QPointF(21, 12));
            break;
        }
        }
    });
}

QIcon attachPosition(int index)
{
    return drawn([index](QPainter& p) {
        p.drawRect(QRectF(8, 1, 13, 12));
        textRows(p, 10, 4, 3, 9);
        static constexpr double kY[] = {1, 4, 7, 10, 13};
        const double y = kY[index >= 0 && index <= 4 ? index : 0];
        p.setPen(QPen(Qt::red, 1.5));
        p.drawLine(QPointF(1, y), QPointF(8, y));
    });
}

QIcon textSlide(int index)
{
    return drawn([index](QPainter& p) {
        // Rows 3..0 above the underline; a slide moves that many rows below it.
        const int shifted = index == 0 ? 0 : (index <= 3 ? index : index - 3);
        const int baseline = 7;
        p.drawLine(QPointF(1, baseline), QPointF(21, baseline));
        p.setPen(QPen(Qt::darkGray, 1));
        for (int r = 0; r < 3; ++r) {
            const int y = (r < shifted) ? baseline + 3 + 3 * r : baseline - 2 - 3 * (r - shifted);
            p.drawLine(4, y, 18, y);
        }
        if (index >= 4) {
            // "at most": a bar caps the rows that may move
            p.setPen(QPen(Qt::blue, 1));
            p.drawLine(20, baseline + 1, 20, baseline + 9);
        }
    });
}

} // namespace tagler::icons

namespace tagler::icons {

QIcon imeGlyph(int mode)
{
    static const char* const kGlyphs[] = {"あ", "カ", "ｶ", "Ａ"};
    const char* glyph = kGlyphs[mode >= 1 && mode <= 4 ? mode - 1 : 0];
    QPixmap p(14, 14);
    p.fill(Qt::transparent);
    QPainter painter(&p);
    painter.setPen(QPen(QColor(0, 0, 160), 1));
    painter.drawRect(0, 0, 13, 13);
    QFont f = painter.font();
    f.setPixelSize(11);
    painter.setFont(f);
    painter.drawText(QRect(0, 0, 14, 14), Qt::AlignCenter, QString::fromUtf8(glyph));
    return QIcon(p);
}

QPixmap warningSign(int size)
{
    QPixmap p(size, size);
    p.fill(Qt::transparent);
    QPainter painter(&p);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    QPainterPath triangle;
    triangle.moveTo(s / 2, s * 0.06);
    triangle.lineTo(s * 0.97, s * 0.92);
    triangle.lineTo(s * 0.03, s * 0.92);
    triangle.closeSubpath();
    painter.setPen(QPen(Qt::black, std::max(1.0, s / 24), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(255, 214, 0));
    painter.drawPath(triangle);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRoundedRect(QRectF(s * 0.44, s * 0.32, s * 0.12, s * 0.34), s * 0.04, s * 0.04);
    painter.drawEllipse(QRectF(s * 0.435, s * 0.72, s * 0.13, s * 0.13));
    return p;
}

} // namespace tagler::icons
