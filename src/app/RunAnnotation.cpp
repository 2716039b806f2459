#include "app/RunAnnotation.h"

#include "app/DeriveSession.h"
#include "app/Messages.h"
#include "writer/AnnotationWriter.h"

namespace tagler {

void SettingsChanges::applyTo(AnnotationSettings& settings) const
{
    if (frameType)
        settings.frameType = *frameType;
    if (tiltFrame)
        settings.tiltFrame = *tiltFrame;
}

namespace {

// The settings as the run goes on, and what it changed in them.
class RunSettings {
public:
    explicit RunSettings(const AnnotationSettings& settings) : current_(settings) {}

    const AnnotationSettings& current() const { return current_; }
    const SettingsChanges& changes() const { return changes_; }

    void setFrameType(int frameType)
    {
        changes_.frameType = current_.frameType = frameType;
    }
    void setTilt(bool tilt) { changes_.tiltFrame = current_.tiltFrame = tilt; }

    void write(const WriterInput& in, const Clock& clock, OutputList& out)
    {
        const WriterResult r = runAnnotationWriter(in, clock, out);
        if (r.tiltReleased)
            setTilt(false);
        setFrameType(frameIndex(r.frameType));
    }

private:
    AnnotationSettings current_;
    SettingsChanges changes_;
};

void runOnce(const ExchangeState& x, RunSettings& settings, const Lines& lines, const Clock& clock, OutputList& out)
{
    // One frame around several texts cannot follow any one text's direction.
    if (x.mode == SessionMode::frameWrite1)
        settings.setTilt(false);
    FramingContext framing{x.header.hostGroupRecord, x.exchangeLines};
    const WriterInput in = deriveSession(x.header, x.mode, settings.current(), lines, out, &framing);
    settings.write(in, clock, out);
}

void runPerText(const ExchangeState& x, RunSettings& settings, const Lines& lines, const Clock& clock,
                OutputList& out)
{
    FramingContext framing{x.header.hostGroupRecord, x.exchangeLines};
    WriterInput in = deriveSession(x.header, x.mode, settings.current(), lines, out, &framing);
    settings.setFrameType(frameIndex(traits(frameTypeAt(settings.current().frameType)).forEachText));
    settings.setTilt(true);
    for (std::size_t i = 11; i < x.exchangeLines.size(); ++i) {
        framing.currentRecord = x.exchangeLines[i];
        if (framing.currentRecord.rfind("lg", 0) == 0)
            in = deriveSession(x.header, x.mode, settings.current(), lines, out, &framing);
        if (framing.currentRecord.rfind("cn\"$", 0) == 0)
            continue;
        in.settings = settings.current();
        settings.write(in, clock, out);
    }
}

} // namespace

AnnotationOutcome runAnnotation(const ExchangeState& x, const AnnotationSettings& settings, const Lines& lines,
                                const Clock& clock, OutputList& out)
{
    AnnotationOutcome outcome;
    RunSettings run(settings);
    try {
        if (x.mode == SessionMode::frameWrite2)
            runPerText(x, run, lines, clock, out);
        else
            runOnce(x, run, lines, clock, out);
    } catch (const Error& e) {
        outcome.errorMessage = messages::writerErrorMessage(e.kind());
        if (!outcome.errorMessage)
            throw;
    }
    outcome.changes = run.changes();
    return outcome;
}

} // namespace tagler
