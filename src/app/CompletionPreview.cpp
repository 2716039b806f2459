#include "app/CompletionPreview.h"

#include "app/Messages.h"
#include "app/RunAnnotation.h"
#include "app/Session.h"
#include "base/Error.h"

#include <exception>

namespace tagler {

CompletionInputs completionInputs(const Session& session)
{
    return {&session.exchange(),         &session.clock(),   session.mode(),
            session.completionEnabled(), session.settings(), session.inputLines()};
}

CompletionPreview previewCompletion(const CompletionInputs& in)
{
    CompletionPreview preview;
    if (!in.enabled) {
        preview.message = in.exchange->refusal;
        return preview;
    }
    if (traits(in.mode).completion == Completion::importTexts)
        return preview;
    OutputList out;
    try {
        const AnnotationOutcome outcome = runAnnotation(*in.exchange, in.settings, in.lines, *in.clock, out);
        if (outcome.errorMessage) {
            preview.message = *outcome.errorMessage;
            return preview;
        }
    } catch (const Error& e) {
        // Completion would end the program on these; the preview only says so.
        const auto text = messages::dataErrorMessage(e.kind());
        preview.message = text ? *text : e.what();
        return preview;
    } catch (const std::exception& e) {
        preview.message = e.what();
        return preview;
    }
    preview.records = out.records();
    return preview;
}

} // namespace tagler
