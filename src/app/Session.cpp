#include "app/Session.h"

#include "app/InputText.h"
#include "app/Messages.h"
#include "app/RunAnnotation.h"
#include "base/Error.h"

namespace tagler {

namespace {

// Counts what start-up showed, so a script can tell a clean run.
class CountingPrompts final : public Prompts {
public:
    CountingPrompts(Prompts& inner, bool& shown) : inner_(inner), shown_(shown) {}
    void information(const std::string& t) override
    {
        shown_ = true;
        inner_.information(t);
    }
    void warning(const std::string& t) override
    {
        shown_ = true;
        inner_.warning(t);
    }
    bool question(const std::string& t) override { return inner_.question(t); }
    std::optional<std::string> chooseFolder(const std::string& r) override { return inner_.chooseFolder(r); }

private:
    Prompts& inner_;
    bool& shown_;
};

} // namespace

Session::Session(std::string startFolder, SessionMode mode, Prompts& prompts, const Clock& clock)
    : startFolder_(std::move(startFolder)), mode_(mode), prompts_(prompts), clock_(clock)
{
    exchange_.mode = mode;
}

std::string Session::completionCaption() const
{
    switch (mode_) {
    case SessionMode::importText: return "取込完了";
    case SessionMode::frameWrite1: return "枠書込１";
    case SessionMode::frameWrite2: return "枠書込２";
    default: return "入力完了";
    }
}

void Session::setInputLines(Lines lines) { inputLines_ = applyInputBoxRules(std::move(lines)); }

void Session::showStartupError(const Error& e)
{
    const auto text = messages::dataErrorMessage(e.kind());
    if (!text)
        throw;
    prompts_.warning(*text);
    startupMessageShown_ = true;
    completionEnabled_ = false;
}

void Session::startUp()
{
    CountingPrompts prompts(prompts_, startupMessageShown_);
    try {
        exchange_ = loadExchangeFile(startFolder_, mode_, prompts);
        if (!exchange_.completionEnabled)
            completionEnabled_ = false;
        if (exchange_.importedIntoBox)
            setInputLines(exchange_.importedText);
        if (mode_ == SessionMode::frameWrite1)
            settings_.tiltFrame = false;
    } catch (const Error& e) {
        showStartupError(e);
    }
}

CompletionReport Session::complete()
{
    CompletionReport report;
    if (!completionEnabled_)
        return report;
    if (mode_ == SessionMode::importText)
        return report;
    output_.clear();
    const AnnotationOutcome outcome = runAnnotation(exchange_, settings_, inputLines_, &clock_, output_);
    if (outcome.errorMessage) {
        prompts_.warning(*outcome.errorMessage);
        report.messageShown = true;
    }
    try {
        writeLines(exchangeFilePath(startFolder_), output_.records());
        report.written = true;
    } catch (const Error&) {
        prompts_.warning(messages::kIoError);
        report.messageShown = true;
    }
    return report;
}

void Session::close() {}

} // namespace tagler
