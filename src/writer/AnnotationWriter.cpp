#include "writer/AnnotationWriter.h"

#include "writer/FillStage.h"
#include "writer/FrameStage.h"
#include "writer/LeaderGeometry.h"
#include "writer/LeaderStage.h"
#include "writer/TextStage.h"
#include "writer/TipStage.h"
#include "writer/WriterState.h"

namespace tagler {

WriterResult runAnnotationWriter(const WriterInput& input, const Clock& clock, OutputList& output)
{
    LeaderLayout layout;
    computeLeaderLayout(input, layout);
    WriterState s(input, layout, clock, output);
    runFrameStage(s);
    runTipStage(s);
    runLeaderStage(s);
    runFillStage(s);
    runTextStage(s);
    return WriterResult{layout.tiltReleased, layout.frame};
}

} // namespace tagler
