#include "app/RunAnnotation.h"

#include "app/DeriveSession.h"
#include "app/Messages.h"
#include "writer/AnnotationWriter.h"

namespace tagler {

int frameForEachText(int f)
{
    if (f == 5 || f > 12)
        f = 0;
    if (f == 6)
        f = 1;
    if (f == 7)
        f = 2;
    if (f == 8)
        f = 3;
    if (f == 9)
        f = 4;
    if (f == 10)
        f = 2;
    return f;
}

namespace {

void write(const WriterInput& in, AnnotationSettings& settings, OutputList& out)
{
    const WriterResult r = runAnnotationWriter(in, out);
    if (r.tiltReleased)
        settings.tiltFrame = false;
    settings.frameType = r.frameType;
}

void runOnce(const ExchangeState& x, AnnotationSettings& settings, const Lines& lines, const Clock* clock,
             OutputList& out)
{
    if (x.mode == SessionMode::frameWrite1)
        settings.tiltFrame = false;
    FramingContext framing{x.header.hostGroupRecord, x.exchangeLines};
    WriterInput in = deriveSession(x.header, x.mode, settings, lines, out, &framing);
    in.clock = clock;
    write(in, settings, out);
}

void runPerText(const ExchangeState& x, AnnotationSettings& settings, const Lines& lines, const Clock* clock,
                OutputList& out)
{
    FramingContext framing{x.header.hostGroupRecord, x.exchangeLines};
    WriterInput in = deriveSession(x.header, x.mode, settings, lines, out, &framing);
    settings.frameType = frameForEachText(settings.frameType);
    settings.tiltFrame = true;
    for (std::size_t i = 11; i < x.exchangeLines.size(); ++i) {
        framing.currentRecord = x.exchangeLines[i];
        if (framing.currentRecord.rfind("lg", 0) == 0)
            in = deriveSession(x.header, x.mode, settings, lines, out, &framing);
        if (framing.currentRecord.rfind("cn\"$", 0) == 0)
            continue;
        in.settings = settings;
        in.clock = clock;
        write(in, settings, out);
    }
}

} // namespace

AnnotationOutcome runAnnotation(const ExchangeState& x, AnnotationSettings& settings, const Lines& lines,
                                const Clock* clock, OutputList& out)
{
    AnnotationOutcome outcome;
    try {
        if (x.mode == SessionMode::frameWrite2)
            runPerText(x, settings, lines, clock, out);
        else
            runOnce(x, settings, lines, clock, out);
    } catch (const Error& e) {
        outcome.errorMessage = messages::writerErrorMessage(e.kind());
        if (!outcome.errorMessage)
            throw;
    }
    return outcome;
}

} // namespace tagler
