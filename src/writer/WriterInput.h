#pragma once
#include "settings/AnnotationSettings.h"
#include "settings/FrameType.h"
#include "settings/SessionMode.h"
#include "writer/Geometry.h"
#include "writer/HandedOverRecord.h"
#include "writer/TextBlockMetrics.h"

#include <string>
#include <vector>

namespace tagler {

// The host's own records, kept verbatim so that writing them back restores its state.
struct HostRecords {
    std::string group;
    std::string layer;
    std::string color;
    std::string fontName; // the font's name only, without the record's tags
};

// Everything one writer run reads, as the session derived it.
struct WriterInput {
    SessionMode mode = SessionMode::normal;
    AnnotationSettings settings;
    HostRecords host;
    std::string textTypeNumber;
    float scale = 1;
    Point point1, point2, point3, point4;
    double leaderDx = 0;
    double leaderDy = 0;
    bool leaderVisible = true;
    TextBlockMetrics metrics;
    std::vector<std::string> lines; // the input box, CP932, top line first
    HostTextSizes hostTextSizes;    // for the handed-over texts of the frame-writing modes
};

// What a run changed in the settings, for the session to show.
struct WriterResult {
    bool tiltReleased = false;
    FrameType frameType = FrameType::none; // text mode reduces it
};

} // namespace tagler
