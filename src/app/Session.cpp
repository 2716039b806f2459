#include "app/Session.h"

#include "app/DataFailure.h"
#include "app/DeriveSession.h"
#include "app/InputText.h"
#include "app/Messages.h"
#include "app/RunAnnotation.h"
#include "base/Error.h"
#include "base/LineReader.h"
#include "base/Number.h"
#include "base/PortableMath.h"
#include "base/StreamedFile.h"
#include "settings/SettingsFields.h"
#include "writer/OutputList.h"

#include <cmath>

namespace tagler {

Session::Session(std::string startFolder, SessionMode mode, Prompts& prompts, const Clock& clock, DataFiles dataFiles,
                 SelectionReading selection)
    : startFolder_(std::move(startFolder)), mode_(mode), prompts_(prompts), clock_(clock), dataFiles_(dataFiles),
      selection_(selection), state_(startFolder_, prompts_), patterns_(startFolder_, prompts_),
      textBook_(startFolder_, prompts_),
      quickSelect_(startFolder_, prompts_, settings_, extras_, [this] { revertToPersistentState(); })
{
    exchange_.mode = mode;
}

std::string Session::completionCaption() const { return traits(mode_).caption; }

void Session::setInputLines(Lines lines) { inputLines_ = applyInputBoxRules(std::move(lines)); }

void Session::showStartupError(const Error& e)
{
    const auto text = messages::dataErrorMessage(e.kind());
    if (!text)
        throw;
    prompts_.warning(*text);
    completionEnabled_ = false;
}

void Session::startUp()
{
    try {
        exchange_ = loadExchangeFile(startFolder_, mode_, prompts_, selection_);
        if (!exchange_.completionEnabled)
            completionEnabled_ = false;
        if (exchange_.importedIntoBox)
            setInputLines(exchange_.importedText);
        loadPersistentState();
        loadBasicSettings();
        if (mode_ == SessionMode::frameWrite1)
            settings_.tiltFrame = false;
        if (dataFiles_ == DataFiles::readWrite)
            textBook_.startUp(extras_.textBookFolder, extras_.currentPage);
    } catch (const Error& e) {
        showStartupError(e);
    }
}

void Session::loadPersistentState()
{
    const PersistentStateStore::Loaded loaded = state_.load(settings_, extras_);
    if (loaded.state == FileState::missing) {
        prompts_.information(messages::kStateMissing);
        // The program ends once the window would show.
        terminateRequested_ = true;
    } else if (loaded.state == FileState::refused) {
        prompts_.warning(messages::kStateInvalid);
        completionEnabled_ = false;
    } else if (loaded.padded && dataFiles_ == DataFiles::readWrite) {
        state_.rewrite();
    }
}

void Session::loadBasicSettings()
{
    const FileState state = patterns_.load(settings_);
    if (state == FileState::missing) {
        prompts_.information(messages::patternsMissing());
        completionEnabled_ = false;
    } else if (state == FileState::refused) {
        prompts_.warning(messages::kPatternsInvalid);
        completionEnabled_ = false;
    }
}

void Session::saveState()
{
    settings_.continuous = quickSelect_.continuousToSave(settings_.continuous);
    if (dataFiles_ != DataFiles::readWrite)
        return;
    // The text book may have fallen back or moved on since start-up.
    if (textBook_.started()) {
        extras_.currentPage = textBook_.currentPage();
        extras_.textBookFolder = textBook_.textBookFolder();
    }
    tryWrite(prompts_, [this] { state_.saveOnExit(settings_, extras_); });
}

// The store shows its own messages; the page and table stay whole on failure.
void Session::saveTextBook()
{
    if (!textBook_.started())
        return;
    textBook_.writeTableOfContents();
    textBook_.saveCurrentPage();
}

bool Session::registerSessionSettings()
{
    return tryWrite(prompts_, [this] { state_.registerSettings(settings_, extras_); });
}

bool Session::registerBasicSettings(std::string_view newName)
{
    // A name holding a line break is refused like a failed write.
    const bool registered =
        tryWrite(prompts_, [&] { patterns_.registerPattern(settings_.selectedPattern, settings_, newName); },
                 {ErrorKind::Conversion, ErrorKind::InputOutput});
    if (registered)
        saveState();
    return registered;
}

void Session::selectPattern(int index)
{
    settings_.selectedPattern = index;
    patterns_.select(index, settings_);
}

CompletionReport Session::complete()
{
    CompletionReport report;
    if (!completionEnabled_)
        return report;
    saveDataFiles();
    if (mode_ == SessionMode::importText)
        return report;
    AnnotationOutcome outcome;
    bool changedElsewhere = false;
    // The records go into the file as they are made; it replaces the old one only when whole,
    // and an error that ends the run before leaves the old one as it was.
    bool lineTooLong = false;
    report.written = tryWrite(prompts_, [&] {
        StreamedFile file(exchangeFilePath(startFolder_), StreamedFile::Fallback::inPlace);
        OutputList out;
        out.streamTo([&file](std::string_view bytes) { file.write(bytes); });
        try {
            outcome = runAnnotation(exchange_, settings_, inputLines_, clock_, out);
            out.flush();
            // Last, so a change while the records were made counts too; the records are dropped.
            changedElsewhere = !stillAsRead(exchange_);
        } catch (const LineTooLong&) {
            // A streamed selection is read again here; its records are not all there to write.
            lineTooLong = true;
            return;
        }
        if (!changedElsewhere)
            file.commit();
    });
    report.written = report.written && !changedElsewhere && !lineTooLong;
    report.failed = !report.written;
    if (report.written)
        outcome.changes.applyTo(settings_);
    if (lineTooLong)
        prompts_.warning(messages::exchangeLineTooLong());
    else if (changedElsewhere)
        prompts_.warning(messages::kExchangeChanged);
    else if (outcome.errorMessage)
        prompts_.warning(*outcome.errorMessage);
    report.messageShown = outcome.errorMessage.has_value() || !report.written;
    return report;
}

void Session::close() { saveDataFiles(); }

void Session::saveDataFiles()
{
    prompts_.hold();
    saveState();
    saveTextBook();
    prompts_.release(startFolder_);
}

void Session::revertToPersistentState()
{
    // Both files or neither: a refused line leaves the slot's settings on show.
    AnnotationSettings s = settings_;
    SessionExtras x = extras_;
    if (!tryData(prompts_, [&] {
            state_.revert(s, x);
            patterns_.reapply(s);
        }))
        return;
    settings_ = std::move(s);
    extras_ = std::move(x);
}

std::optional<std::string> Session::rememberLeaderLength()
{
    try {
        // The derivation's prologue records go nowhere: completion derives again.
        OutputList scratch;
        const WriterInput in = deriveSession(exchange_.header, mode_, settings_, inputLines_, scratch);
        const double dx = double(in.point2.x) - in.point1.x;
        const double dy = double(in.point2.y) - in.point1.y;
        const double length = std::round(pmath::hypot(dx, dy) * 1e10) / 1e10;
        std::string text = formatNumber(divide(length, in.scale));
        state_.rememberLength(settings_, text);
        return text;
    } catch (const Error& e) {
        // No readable points (a missing or refused exchange file) is a message,
        // never the end of the program: the user's text is still in the box.
        auto text = messages::dataErrorMessage(e.kind());
        if (!text)
            text = messages::writerErrorMessage(e.kind());
        if (!text)
            throw;
        prompts_.warning(*text);
        return std::nullopt;
    }
}

} // namespace tagler
