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

CompletionPreview previewCompletion(const CompletionInputs& in, const RecordSink& takeRecord)
{
    CompletionPreview preview;
    if (!in.enabled) {
        preview.message = in.exchange->refusal;
        return preview;
    }
    if (traits(in.mode).completion == Completion::importTexts)
        return preview;
    OutputList out;
    // Records handed on while their blocks fill: a sheet of frames is never held whole as text.
    out.streamTo([&](std::string_view block) {
        for (std::size_t start = 0; start < block.size();) {
            const std::size_t end = block.find("\r\n", start);
            if (takeRecord)
                takeRecord(block.substr(start, end - start));
            else
                preview.records.emplace_back(block.substr(start, end - start));
            start = end + 2;
        }
    });
    try {
        const AnnotationOutcome outcome = runAnnotation(*in.exchange, in.settings, in.lines, *in.clock, out);
        if (outcome.errorMessage) {
            preview.records.clear();
            preview.message = *outcome.errorMessage;
            return preview;
        }
    } catch (const Error& e) {
        // Completion would end the program on these; the preview only says so.
        preview.records.clear();
        const auto text = messages::dataErrorMessage(e.kind());
        preview.message = text ? *text : e.what();
        return preview;
    } catch (const std::exception& e) {
        preview.records.clear();
        preview.message = e.what();
        return preview;
    }
    out.flush();
    return preview;
}

} // namespace tagler
