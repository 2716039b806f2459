#include "render/PreviewPainter.h"

#include "settings/FrameType.h"
#include "settings/TipSymbol.h"

#include <QPainter>
#include <QPolygon>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <vector>

namespace tagler {

namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kMaroon(128, 0, 0);
const QColor kMagenta(255, 0, 255);
const QColor kCream(255, 251, 240);

struct Pt {
    int x, y;
};

// Design units to pixels: truncated, as the picture has always been drawn.
class Grid {
public:
    Grid(QPainter& p, int frameWidth) : p_(p), s_(frameWidth / 105.0) {}

    int px(int k) const { return static_cast<int>(k * s_); }
    QPoint at(Pt q) const { return QPoint(px(q.x), px(q.y)); }

    void pen(const QColor& c) { p_.setPen(QPen(c, 1)); }
    void line(Pt a, Pt b) { p_.drawLine(at(a), at(b)); }
    void polyline(std::initializer_list<Pt> pts) { polyline(std::vector<Pt>(pts)); }
    void polyline(const std::vector<Pt>& pts)
    {
        QPolygon poly;
        for (Pt q : pts)
            poly << at(q);
        p_.drawPolyline(poly);
    }
    // Right and bottom exclusive.
    void fillRect(Pt a, Pt b, const QColor& c) { p_.fillRect(QRect(at(a), at(b) - QPoint(1, 1)), c); }
    void fillPolygon(std::initializer_list<Pt> pts, const QColor& c)
    {
        QPolygon poly;
        for (Pt q : pts)
            poly << at(q);
        p_.save();
        p_.setPen(QPen(c, 1));
        p_.setBrush(c);
        p_.drawPolygon(poly);
        p_.restore();
    }
    // Counter-clockwise along the ellipse in the box, from the ray through
    // start to the ray through end.
    void arc(int x1, int y1, int x2, int y2, Pt start, Pt end)
    {
        const QRectF box(px(x1), px(y1), px(x2) - px(x1) - 1, px(y2) - px(y1) - 1);
        const QPointF c = box.center();
        auto angle = [&](Pt q) {
            const QPoint a = at(q);
            return std::atan2(-(a.y() - c.y()), a.x() - c.x()) * 180 / std::numbers::pi;
        };
        const double from = angle(start);
        double span = angle(end) - from;
        while (span <= 0)
            span += 360;
        p_.drawArc(box, static_cast<int>(std::lround(from * 16)), static_cast<int>(std::lround(span * 16)));
    }
    void ellipse(Pt a, Pt b, const QColor& fill)
    {
        p_.save();
        p_.setBrush(fill);
        p_.drawEllipse(QRect(at(a), at(b) - QPoint(1, 1)));
        p_.restore();
    }

private:
    QPainter& p_;
    double s_;
};

void paintTextAndFill(Grid& g, const PreviewInputs& in)
{
    if (in.fillInside) {
        if (in.tiltFrame) {
            g.fillPolygon({{49, 4}, {47, 13}, {89, 18}, {91, 9}}, kMagenta);
            g.fillPolygon({{49, 14}, {47, 23}, {89, 28}, {91, 19}}, kMagenta);
        } else {
            g.fillRect({49, 4}, {90, 13}, kMagenta);
            g.fillRect({49, 14}, {90, 23}, kMagenta);
        }
    }
    if (in.tiltFrame) {
        g.fillPolygon({{51, 6}, {50, 11}, {87, 16}, {88, 11}}, kBlue);
        g.fillPolygon({{51, 16}, {50, 21}, {87, 26}, {88, 21}}, kBlue);
    } else {
        g.fillRect({51, 6}, {88, 11}, kBlue);
        g.fillRect({51, 16}, {88, 21}, kBlue);
    }
}

struct ArcSpec {
    int x1, y1, x2, y2;
    Pt start, end;
};

using Cloud = std::initializer_list<ArcSpec>;

// clang-format off
const Cloud kEvenCloud{{64,0,95,18,{90,4},{69,4}}, {41,0,74,18,{69,4},{46,4}}, {67,7,95,29,{73,25},{90,25}},
    {50,7,77,29,{56,25},{72,25}}, {42,0,60,18,{46,4},{46,14}}, {42,11,60,28,{46,15},{46,26}},
    {75,10,94,28,{90,25},{90,14}}, {75,0,94,18,{90,14},{90,4}}};
const Cloud kEvenCloudTilted{{62,3,95,22,{92,9},{73,8}}, {41,0,73,19,{70,4},{46,4}}, {67,12,95,34,{73,28},{89,31}},
    {51,8,79,31,{57,26},{73,31}}, {42,0,60,18,{46,4},{46,14}}, {42,11,60,28,{46,15},{46,26}},
    {75,16,94,34,{88,31},{90,19}}, {76,5,95,23,{90,19},{90,9}}};
const Cloud kUnevenCloud{{53,0,96,20,{90,4},{61,4}}, {40,0,65,20,{61,4},{44,4}}, {64,6,95,28,{69,25},{90,25}},
    {51,6,74,28,{56,25},{69,25}}, {42,0,60,19,{46,4},{46,16}}, {42,13,60,28,{46,16},{46,26}},
    {66,13,94,28,{90,25},{90,16}}, {66,0,94,20,{90,16},{90,4}}};
const Cloud kUnevenCloudTilted{{53,2,94,23,{89,9},{63,5}}, {40,0,65,20,{61,6},{44,4}}, {64,11,95,33,{69,27},{90,30}},
    {51,8,74,30,{56,26},{69,29}}, {42,0,60,19,{46,4},{46,16}}, {42,13,60,28,{46,16},{46,26}},
    {67,18,95,33,{87,30},{94,18}}, {68,6,97,24,{90,20},{94,6}}};
// clang-format on

void paintFrame(Grid& g, const FrameTraits& t, bool tilt)
{
    switch (t.family) {
    case FrameFamily::none:
    case FrameFamily::curvedLeader: return;
    case FrameFamily::underline: g.line({46, 25}, tilt ? Pt{92, 31} : Pt{92, 25}); return;
    case FrameFamily::box:
        if (tilt)
            g.polyline({{46, 1}, {92, 7}, {90, 31}, {44, 25}, {46, 1}});
        else
            g.polyline({{46, 1}, {92, 1}, {92, 25}, {46, 25}, {46, 1}});
        return;
    case FrameFamily::longRound:
        if (tilt) {
            g.line({46, 1}, {92, 7});
            g.line({44, 25}, {90, 31});
            g.arc(37, 1, 60, 27, {46, 1}, {44, 25});
            g.arc(78, 7, 101, 32, {90, 31}, {92, 7});
        } else {
            g.line({46, 1}, {92, 1});
            g.line({46, 25}, {92, 25});
            g.arc(37, 1, 60, 26, {46, 1}, {46, 25});
            g.arc(78, 1, 101, 26, {92, 25}, {92, 1});
        }
        return;
    case FrameFamily::bracket:
        if (tilt)
            g.polyline({{50, 2}, {46, 1}, {43, 25}, {47, 26}});
        else
            g.polyline({{50, 1}, {46, 1}, {46, 25}, {50, 25}});
        return;
    case FrameFamily::balloon:
        if (tilt) {
            g.line({46, 1}, {44, 26});
            g.line({46, 1}, {95, 7});
            g.line({95, 7}, {93, 32});
            g.line({55, 27}, {93, 32});
        } else {
            g.line({46, 1}, {46, 26});
            g.line({46, 1}, {93, 1});
            g.line({93, 1}, {93, 26});
            g.line({55, 26}, {93, 26});
        }
        return;
    case FrameFamily::cloud: {
        const Cloud& arcs =
            t.unevenScallops ? (tilt ? kUnevenCloudTilted : kUnevenCloud) : (tilt ? kEvenCloudTilted : kEvenCloud);
        for (const ArcSpec& a : arcs)
            g.arc(a.x1, a.y1, a.x2, a.y2, a.start, a.end);
        return;
    }
    }
}

void paintSlideBars(Grid& g, int slide, bool tilt)
{
    if (slide <= 0)
        return;
    // １行..３行 move the text, 最大１行..最大３行 keep a line above the underline.
    const QColor colour = slide > 3 ? kMaroon : kBlue;
    const int bars = (slide - 1) % 3 + 1;
    for (int i = 0; i < bars; ++i) {
        const int top = 30 + 8 * i;
        if (tilt)
            g.fillPolygon({{51, top}, {50, top + 4}, {87, top + 9}, {88, top + 5}}, colour);
        else
            g.fillRect({51, top}, {88, top + 4}, colour);
    }
}

int attachHeight(const FrameTraits& t, int attachPosition)
{
    if (t.family == FrameFamily::underline)
        return 25;
    if (t.family == FrameFamily::longRound)
        return t.extended ? 13 : 25;
    constexpr int heights[] = {1, 8, 13, 18, 25};
    return attachPosition >= 0 && attachPosition < 5 ? heights[attachPosition] : 1;
}

void paintTip(Grid& g, const TipTraits& tip, Pt p, bool fourPoint)
{
    const Pt a = fourPoint ? Pt{p.x, p.y - 11} : Pt{p.x + 4, p.y - 12};
    const Pt b2 = fourPoint ? Pt{p.x + 8, p.y - 10} : Pt{p.x + 11, p.y - 8};
    const Pt b3 = fourPoint ? Pt{p.x + 8, p.y - 9} : Pt{p.x + 10, p.y - 7};
    g.pen(Qt::black);
    switch (tip.family) {
    case TipFamily::none: break;
    case TipFamily::dot: g.ellipse({p.x - 3, p.y - 3}, {p.x + 3, p.y + 3}, tip.filled ? kBlue : kCream); break;
    case TipFamily::arrow:
        if (tip.barbs == 1) {
            g.line(p, a);
        } else if (!tip.closed) {
            g.polyline({a, p, b2});
        } else {
            g.polyline({a, p, b3, a});
            if (tip.filled)
                g.fillPolygon({a, p, b3}, kBlue);
        }
        break;
    }
}

void paintLeader(Grid& g, const PreviewInputs& in, const FrameTraits& t)
{
    const bool fourPoint = traits(in.mode).bendsLeader;
    if (t.drawsOwnLeader) {
        g.pen(Qt::black);
        g.line({32, 48}, {46, 25});
        g.line({32, 48}, {55, 25});
        return;
    }
    const int y = attachHeight(t, in.attachPosition);
    Pt p{28, y + 24};
    Pt e{46, y};
    if (t.extended) {
        g.pen(in.extensionLengthMode == 1 ? kRed : QColor(Qt::black));
        g.line({22, y}, {t.family == FrameFamily::longRound ? 38 : 46, y});
        p = {4, y + 24};
        e = {22, y};
    }
    // A value no list item has draws the leader alone.
    const TipTraits* tip = tipTraitsAt(in.tipSymbol);
    if (tip && !tip->drawsLeader)
        return;
    g.pen(in.fixedLeaderLength ? kRed : QColor(Qt::black));
    if (t.curve == 1)
        g.polyline({{28, y + 24},
                    {36, y + 11},
                    {42, y + 7},
                    {44, y + 8},
                    {43, y + 12},
                    {40, y + 13},
                    {38, y + 12},
                    {41, y + 5},
                    {47, y}});
    else if (t.curve == 2)
        g.polyline(
            {{28, y + 24}, {39, y + 10}, {39, y + 8}, {38, y + 8}, {34, y + 10}, {33, y + 9}, {34, y + 7}, {47, y}});
    else if (fourPoint)
        g.polyline({p, {p.x + 6, p.y - 18}, e});
    else
        g.line(p, e);
    if (tip)
        paintTip(g, *tip, p, fourPoint);
}

} // namespace

PreviewInputs previewInputs(const AnnotationSettings& s, SessionMode mode)
{
    return {s.tipSymbol,  s.frameType,           s.attachPosition,    s.textSlide, s.tiltFrame,
            s.fillInside, s.extensionLengthMode, s.fixedLeaderLength, mode};
}

void paintPreview(QPainter& painter, const PreviewInputs& in, int frameWidth)
{
    if (in.frameType < 0 || in.frameType >= kFrameTypeCount)
        return;
    const FrameTraits& t = traits(frameTypeAt(in.frameType));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    Grid g(painter, frameWidth);
    g.pen(Qt::black);
    paintTextAndFill(g, in);
    g.pen(Qt::black);
    paintFrame(g, t, in.tiltFrame);
    if (t.takesSlide)
        paintSlideBars(g, in.textSlide, in.tiltFrame);
    if (traits(in.mode).drawsLeader)
        paintLeader(g, in, t);
    painter.restore();
}

} // namespace tagler
