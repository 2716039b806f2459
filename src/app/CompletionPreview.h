#pragma once
#include "base/LineFile.h"

#include <string>

namespace tagler {

class Session;

// What 「入力完了」 would hand the host now.
struct CompletionPreview {
    Lines records;       // empty when importing text: nothing is written then
    std::string message; // the message completion would show instead, or why it cannot run
};

// Runs the writer as completion would, on the session's current settings and
// text, without writing or changing anything. Never throws: a failure is its message.
CompletionPreview previewCompletion(const Session& session);

} // namespace tagler
