#pragma once
#include "settings/AnnotationSettings.h"
#include "settings/SessionMode.h"

class QPainter;

namespace tagler {

// What the small settings picture shows.
struct PreviewInputs {
    int tipSymbol = 1;
    int frameType = 0;
    int attachPosition = 0;
    int textSlide = 0;
    bool tiltFrame = false;
    bool fillInside = false;
    int extensionLengthMode = 0;
    bool fixedLeaderLength = false;
    SessionMode mode = SessionMode::normal;
};

PreviewInputs previewInputs(const AnnotationSettings& settings, SessionMode mode);

// The picture on a grid 105 units wide, scaled to frameWidth pixels, onto
// whatever the painter draws on; the background is the caller's.
void paintPreview(QPainter& painter, const PreviewInputs& in, int frameWidth);

} // namespace tagler
