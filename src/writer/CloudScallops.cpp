#include "writer/CloudScallops.h"

#include "writer/BalloonOutline.h"
#include "writer/WriterState.h"

#include <algorithm>
#include <cmath>

namespace tagler {

int cloudScallopsAlong(int maxLineBytes)
{
    const int n = static_cast<int>(std::floor(std::sqrt(double(std::max(maxLineBytes, 0))) * 0.7)) + 1;
    return std::max(2, n);
}

int cloudScallopsAcross(int lineCount) { return lineCount < 4 ? 2 : 3; }

double scallopEdgeTilt(ScallopEdge edge)
{
    switch (edge) {
    case ScallopEdge::upper: return 0;
    case ScallopEdge::lower: return 180;
    case ScallopEdge::left: return -90;
    case ScallopEdge::right: return 90;
    }
    return 0;
}

const char* scallopFlatness(const Scallop& scallop) { return scallop.longSide ? "0.5" : "0.65"; }

namespace {

struct Sides {
    ScallopEdge mouth, far, anchorEnd, farEnd;
};

Sides sidesOf(const BalloonOutline& box)
{
    const bool acrossUp = box.acrossSign > 0;
    const bool alongUp = box.alongSign > 0;
    if (!box.rotated)
        return {acrossUp ? ScallopEdge::lower : ScallopEdge::upper, acrossUp ? ScallopEdge::upper : ScallopEdge::lower,
                alongUp ? ScallopEdge::left : ScallopEdge::right, alongUp ? ScallopEdge::right : ScallopEdge::left};
    return {acrossUp ? ScallopEdge::left : ScallopEdge::right, acrossUp ? ScallopEdge::right : ScallopEdge::left,
            alongUp ? ScallopEdge::lower : ScallopEdge::upper, alongUp ? ScallopEdge::upper : ScallopEdge::lower};
}

class ScallopLayout {
public:
    ScallopLayout(const BalloonOutline& box, std::vector<Scallop>& out) : box_(box), sides_(sidesOf(box)), out_(out) {}

    // A pair across the box; the upper scallop (horizontal) or the right one (rotated) goes first,
    // which is the far side whenever the far side lies up or right of the mouth.
    void longPair(float mouthCentre, float mouthRadius, float farCentre, float farRadius)
    {
        const Scallop near{box_.at(mouthCentre, box_.acrossOf(box_.anchor)), mouthRadius, sides_.mouth, true};
        const Scallop far{box_.at(farCentre, box_.acrossOf(box_.farCorner)), farRadius, sides_.far, true};
        if (box_.acrossSign > 0) {
            out_.push_back(far);
            out_.push_back(near);
        } else {
            out_.push_back(near);
            out_.push_back(far);
        }
    }

    // A pair along the box at a distance from the mouth edge; the one at the anchor's end first.
    void shortPair(double fromMouth, float radius)
    {
        const double across = box_.acrossOf(box_.anchor) + box_.acrossSign * fromMouth;
        out_.push_back({box_.at(box_.alongOf(box_.anchor), across), radius, sides_.anchorEnd, false});
        out_.push_back({box_.at(box_.alongOf(box_.farCorner), across), radius, sides_.farEnd, false});
    }

private:
    const BalloonOutline& box_;
    Sides sides_;
    std::vector<Scallop>& out_;
};

} // namespace

std::vector<Scallop> cloudScallops(const WriterState& s, const BalloonOutline& box)
{
    const bool alternating = s.frameTraits().unevenScallops;
    const int nh = cloudScallopsAlong(s.m.maxLineBytes);
    const int nv = cloudScallopsAcross(s.m.lineCount);
    const double w = box.width();
    const double h = box.height();
    const double mouth = box.mouth;
    const double sign = box.alongSign;

    std::vector<Scallop> out;
    ScallopLayout layout(box, out);

    float farRadius, mouthRadius, smallFarRadius = 0, smallMouthRadius = 0;
    if (!alternating) {
        farRadius = finite(divide(divide(w, nh), 2));
        mouthRadius = finite(divide(divide(w - mouth, nh), 2));
    } else {
        const int k = nh / 2;
        const double stretch = divide(w, nh) * k * 0.25;
        farRadius = finite(divide(divide(w - stretch, nh), 2));
        smallFarRadius = finite((divide(stretch, k) + 2.0 * farRadius) / 2);
        const double t = divide(divide((w - mouth) * 0.2, k), 2);
        mouthRadius = finite(divide(divide((w - mouth) * 0.8, nh), 2));
        smallMouthRadius = finite(mouthRadius + t);
    }

    const double end = box.alongOf(box.farCorner);
    auto reached = [&](float centre) { return sign * (centre - end) >= 0; };
    float farCentre = finite(box.alongOf(box.anchor) + sign * farRadius);
    float mouthCentre = finite(box.alongOf(box.anchor) + sign * (mouth + mouthRadius));
    const double farStep = alternating ? double(farRadius) + smallFarRadius : 2.0 * farRadius;
    const double mouthStep = alternating ? double(mouthRadius) + smallMouthRadius : 2.0 * mouthRadius;
    auto advance = [&] {
        farCentre = finite(farCentre + sign * farStep);
        mouthCentre = finite(mouthCentre + sign * mouthStep);
    };
    for (int i = 0; i < nh && !reached(farCentre); ++i) {
        layout.longPair(mouthCentre, mouthRadius, farCentre, farRadius);
        advance();
        if (!alternating)
            continue;
        if (reached(farCentre))
            break;
        layout.longPair(mouthCentre, smallMouthRadius, farCentre, smallFarRadius);
        advance();
    }

    if (!alternating) {
        const float r = finite(divide(divide(h, nv), 2));
        for (int i = 0; i < nv; ++i)
            layout.shortPair((2.0 * i + 1) * r, r);
    } else {
        // Touching scallops of fixed shares of the height, from the mouth side.
        static constexpr double two[] = {0.2, 0.3};
        static constexpr double three[] = {0.15, 0.2, 0.15};
        const double* halves = nv == 2 ? two : three;
        double from = 0;
        for (int i = 0; i < nv; ++i) {
            const float r = finite(halves[i] * h);
            layout.shortPair(from + r, r);
            from += 2.0 * r;
        }
    }
    return out;
}

} // namespace tagler
