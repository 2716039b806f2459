#pragma once
#include "base/LineFile.h"
#include "settings/AnnotationSettings.h"
#include "settings/SessionMode.h"

#include <functional>
#include <string>
#include <string_view>

namespace tagler {

class Clock;
class Session;
struct ExchangeState;

// What 「入力完了」 would hand the host now.
struct CompletionPreview {
    Lines records;       // empty when importing text: nothing is written then
    std::string message; // the message completion would show instead, or why it cannot run
};

// What completion depends on, copied from the session so another thread can
// make the preview while the window goes on. The exchange state and the clock
// are the session's own: neither changes after start-up.
struct CompletionInputs {
    const ExchangeState* exchange = nullptr;
    const Clock* clock = nullptr;
    SessionMode mode = SessionMode::normal;
    bool enabled = true;
    AnnotationSettings settings;
    Lines lines;
};

CompletionInputs completionInputs(const Session& session);

using RecordSink = std::function<void(std::string_view record)>;

// Runs the writer as completion would, without writing or changing anything.
// Never throws: a failure is its message. With a sink the records go there as they are
// made, and those before a failure have gone too.
CompletionPreview previewCompletion(const CompletionInputs& inputs, const RecordSink& takeRecord = {});
inline CompletionPreview previewCompletion(const Session& session)
{
    return previewCompletion(completionInputs(session));
}

} // namespace tagler
