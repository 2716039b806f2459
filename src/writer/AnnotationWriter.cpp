#include "writer/AnnotationWriter.h"

#include "writer/ExistingTextFrames.h"
#include "writer/FillStage.h"
#include "writer/FrameStage.h"
#include "writer/LeaderGeometry.h"
#include "writer/LeaderStage.h"
#include "writer/TextStage.h"
#include "writer/TipStage.h"
#include "writer/WriterState.h"

namespace tagler {

WriterResult runAnnotationWriter(const WriterInput& input, OutputList& output)
{
    WriterState s(input, output);
    WriterResult result;
    result.frameType = input.settings.frameType;
    auto report = [&] {
        result.tiltReleased = s.tiltReleased;
        result.frameType = s.settings.frameType;
    };
    try {
        if (s.framingExistingText()) {
            runExistingTextFrames(s);
        } else {
            runLeaderGeometry(s);
            runFrameStage(s);
            runTipStage(s);
            runLeaderStage(s);
            runFillStage(s);
            runTextStage(s);
        }
    } catch (...) {
        report();
        throw;
    }
    report();
    return result;
}

} // namespace tagler
