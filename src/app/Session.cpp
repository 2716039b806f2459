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

Session::Session(std::string startFolder, SessionMode mode, Prompts& prompts, const Clock& clock, DataFiles dataFiles)
    : startFolder_(std::move(startFolder)), mode_(mode), prompts_(prompts), clock_(clock), dataFiles_(dataFiles)
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
        loadPersistentState(prompts);
        loadBasicSettings(prompts);
        if (mode_ == SessionMode::frameWrite1)
            settings_.tiltFrame = false;
    } catch (const Error& e) {
        showStartupError(e);
    }
}

std::string Session::stateFilePath() const { return startFolder_ + "/" + kPersistentStateFileName; }
std::string Session::patternsFilePath() const { return startFolder_ + "/" + kBasicSettingsFileName; }

void Session::loadPersistentState(Prompts& prompts)
{
    stateLines_.assign(kPersistentStateLineCount, "");
    const std::string path = stateFilePath();
    if (!fileExists(path)) {
        prompts.information(messages::kStateMissing);
        // The program ends once the window would show.
        terminateRequested_ = true;
        return;
    }
    stateLines_ = readLines(path);
    if (!persistentStateAccepted(stateLines_)) {
        prompts.warning(messages::kStateInvalid);
        completionEnabled_ = false;
        return;
    }
    const bool padded = applyPersistentState(stateLines_, settings_, extras_);
    stateAccepted_ = true;
    if (padded && dataFiles_ == DataFiles::readWrite)
        writeLines(path, stateLines_);
}

void Session::loadBasicSettings(Prompts& prompts)
{
    patternLines_.assign(kBasicSettingsLineCount, "0");
    const std::string path = patternsFilePath();
    if (!fileExists(path)) {
        prompts.information(messages::patternsMissing());
        completionEnabled_ = false;
        patternNames_ = defaultPatternNames();
        return;
    }
    patternLines_ = readLines(path);
    if (!basicSettingsAccepted(patternLines_)) {
        prompts.warning(messages::kPatternsInvalid);
        completionEnabled_ = false;
        return;
    }
    applyBasicSettingsPattern(patternLines_, settings_.selectedPattern, settings_, true, patternNames_);
}

void Session::saveState()
{
    if (dataFiles_ != DataFiles::readWrite)
        return;
    try {
        saveStateOnExit(stateFilePath(), stateLines_, settings_, extras_);
    } catch (const Error& e) {
        if (e.kind() != ErrorKind::InputOutput)
            throw;
        prompts_.warning(messages::kIoError);
    }
}

bool Session::registerSessionSettings()
{
    try {
        tagler::registerSessionSettings(stateFilePath(), stateLines_, settings_, extras_);
        stateAccepted_ = true;
        return true;
    } catch (const Error& e) {
        if (e.kind() != ErrorKind::InputOutput)
            throw;
        prompts_.warning(messages::kIoError);
        return false;
    }
}

bool Session::registerBasicSettings(std::string_view newName)
{
    try {
        registerBasicSettingsPattern(patternsFilePath(), patternLines_, settings_.selectedPattern, settings_,
                                     patternNames_, newName);
    } catch (const Error& e) {
        const auto text = messages::dataErrorMessage(e.kind());
        if (!text || (e.kind() != ErrorKind::Conversion && e.kind() != ErrorKind::InputOutput))
            throw;
        prompts_.warning(*text);
        return false;
    }
    saveState();
    return true;
}

void Session::selectPattern(int index)
{
    settings_.selectedPattern = index;
    if (basicSettingsAccepted(patternLines_))
        applyBasicSettingsPattern(patternLines_, index, settings_, false, patternNames_);
}

CompletionReport Session::complete()
{
    CompletionReport report;
    if (!completionEnabled_)
        return report;
    saveState();
    if (mode_ == SessionMode::importText)
        return report;
    output_.clear();
    const AnnotationOutcome outcome = runAnnotation(exchange_, settings_, inputLines_, clock_, output_);
    outcome.changes.applyTo(settings_);
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

void Session::close() { saveState(); }

} // namespace tagler
