#include "app/RunAnnotation.h"

#include "app/DeriveSession.h"
#include "app/Messages.h"
#include "base/LineReader.h"
#include "writer/AnnotationWriter.h"
#include "writer/ExistingTextFrames.h"

#include <algorithm>
#include <span>

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

    void setFrameType(int frameType) { changes_.frameType = current_.frameType = frameType; }
    void setTilt(bool tilt) { changes_.tiltFrame = current_.tiltFrame = tilt; }

    void write(const WriterInput& in, const Clock& clock, OutputList& out)
    {
        apply(runAnnotationWriter(in, clock, out));
    }

    void apply(const WriterResult& r)
    {
        if (r.tiltReleased)
            setTilt(false);
        setFrameType(frameIndex(r.frameType));
    }

private:
    AnnotationSettings current_;
    SettingsChanges changes_;
};

// The first line of the handed-over records in the exchange file.
constexpr std::size_t kFirstRecordLine = header_line::kFirstSelectedRecord;

// Each handed-over record from line `first` on: from the held lines, or read again from the file.
template <typename Take> void forEachRecord(const ExchangeState& x, std::size_t first, Take&& take)
{
    if (!x.selectionStreamed) {
        for (std::size_t i = first; i < x.exchangeLines.size(); ++i)
            take(x.exchangeLines[i]);
        return;
    }
    LineReader reader(x.path);
    std::string record;
    for (std::size_t i = 0; reader.next(record); ++i)
        if (i >= first)
            take(record);
}

void runOnce(const ExchangeState& x, RunSettings& settings, const Lines& lines, const Clock& clock, OutputList& out)
{
    const WriterInput in = deriveSession(x.header, x.mode, settings.current(), lines, out);
    settings.write(in, clock, out);
}

void runAroundAll(const ExchangeState& x, RunSettings& settings, const Lines& lines, const Clock& clock,
                  OutputList& out)
{
    // One frame around several texts cannot follow any one text's direction.
    settings.setTilt(false);
    FramingContext framing{x.header.hostGroupRecord, x.exchangeLines};
    const WriterInput in = deriveSession(x.header, x.mode, settings.current(), lines, out, &framing);
    // The host's text-type record on the line before the selection sizes the texts that follow it.
    FrameAroundAll frame(in);
    forEachRecord(x, kFirstRecordLine + 1, [&](const std::string& record) { frame.take(record); });
    settings.apply(frame.write(clock, out));
}

void runPerText(const ExchangeState& x, RunSettings& settings, const Lines& lines, const Clock& clock, OutputList& out)
{
    // No record is current before the loop, so the first derivation writes no group's scale ratio.
    FramingContext framing{{}, x.exchangeLines};
    WriterInput in = deriveSession(x.header, x.mode, settings.current(), lines, out, &framing);
    settings.setFrameType(frameIndex(traits(frameTypeAt(settings.current().frameType)).forEachText));
    settings.setTilt(true);
    in.settings = settings.current();
    ExistingTextState text; // sizes and base point carry from one record to the next
    forEachRecord(x, kFirstRecordLine, [&](const std::string& record) {
        if (record.rfind("lg", 0) == 0) {
            framing.currentRecord = record;
            in = deriveSession(x.header, x.mode, settings.current(), lines, out, &framing);
        }
        if (record.rfind("cn\"$", 0) != 0)
            settings.apply(writeFrameAroundText(in, record, text, clock, out));
    });
}

} // namespace

AnnotationOutcome runAnnotation(const ExchangeState& x, const AnnotationSettings& settings, const Lines& lines,
                                const Clock& clock, OutputList& out)
{
    AnnotationOutcome outcome;
    RunSettings run(settings);
    try {
        switch (traits(x.mode).completion) {
        case Completion::frameEach: runPerText(x, run, lines, clock, out); break;
        case Completion::frameAll: runAroundAll(x, run, lines, clock, out); break;
        case Completion::annotation:
        case Completion::importTexts: runOnce(x, run, lines, clock, out); break;
        }
    } catch (const Error& e) {
        outcome.errorMessage = messages::writerErrorMessage(e.kind());
        if (!outcome.errorMessage)
            throw;
    }
    outcome.changes = run.changes();
    return outcome;
}

} // namespace tagler
