#pragma once
#include "app/ExchangeStartup.h"
#include "settings/AnnotationSettings.h"
#include "writer/OutputList.h"

#include <optional>
#include <string>

namespace tagler {

class Clock;

// The message shown when the writer stopped on an error with a message of its
// own; the records appended before it are still in the output list.
struct AnnotationOutcome {
    std::optional<std::string> errorMessage;
};

// Derives the session and runs the writer as the mode asks (once, or once per
// handed-over record when framing each text). Settings the run changes
// (tilt released, frame type reduced) are applied to `settings`.
AnnotationOutcome runAnnotation(const ExchangeState& exchange, AnnotationSettings& settings, const Lines& inputLines,
                                const Clock* clock, OutputList& out);

// The frame types framing each text supports.
int frameForEachText(int frameType);

} // namespace tagler
