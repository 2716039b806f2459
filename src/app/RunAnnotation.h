#pragma once
#include "app/ExchangeStartup.h"
#include "base/Clock.h"
#include "settings/AnnotationSettings.h"
#include "writer/OutputList.h"

#include <optional>
#include <string>

namespace tagler {

// What a run changes in the live settings: the mode may switch the tilt, and
// the writer may release it or reduce the frame type.
struct SettingsChanges {
    std::optional<int> frameType;
    std::optional<bool> tiltFrame;

    void applyTo(AnnotationSettings& settings) const;
};

// The message shown when the writer stopped on an error with a message of its
// own; the records appended before it are still in the output list. The
// changes made before an error stand.
struct AnnotationOutcome {
    std::optional<std::string> errorMessage;
    SettingsChanges changes;
};

// Derives the session and runs the writer as the mode asks (once, or once per
// handed-over record when framing each text).
AnnotationOutcome runAnnotation(const ExchangeState& exchange, const AnnotationSettings& settings,
                                const Lines& inputLines, const Clock& clock, OutputList& out);

} // namespace tagler
