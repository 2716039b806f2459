#include "app/Session.h"

#include "app/DeriveSession.h"
#include "app/InputText.h"
#include "app/Messages.h"
#include "app/RunAnnotation.h"
#include "base/Error.h"
#include "base/Number.h"
#include "base/PortableMath.h"
#include "base/ShownFailure.h"
#include "base/StreamedFile.h"
#include "settings/SettingsFields.h"

#include <algorithm>
#include <cmath>

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

Session::Session(std::string startFolder, SessionMode mode, Prompts& prompts, const Clock& clock, DataFiles dataFiles,
                 SelectionReading selection)
    : startFolder_(std::move(startFolder)), mode_(mode), prompts_(prompts), clock_(clock), dataFiles_(dataFiles),
      selection_(selection), state_(startFolder_), patterns_(startFolder_), slots_(startFolder_), memos_(startFolder_),
      textBook_(startFolder_, prompts)
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
    startupMessageShown_ = true;
    completionEnabled_ = false;
}

void Session::startUp()
{
    CountingPrompts prompts(prompts_, startupMessageShown_);
    try {
        exchange_ = loadExchangeFile(startFolder_, mode_, prompts, selection_);
        if (!exchange_.completionEnabled)
            completionEnabled_ = false;
        if (exchange_.importedIntoBox)
            setInputLines(exchange_.importedText);
        loadPersistentState(prompts);
        loadBasicSettings(prompts);
        if (mode_ == SessionMode::frameWrite1)
            settings_.tiltFrame = false;
        if (dataFiles_ == DataFiles::readWrite)
            textBook_.startUp(extras_.textBookFolder, extras_.currentPage);
    } catch (const Error& e) {
        showStartupError(e);
    }
}

void Session::loadPersistentState(Prompts& prompts)
{
    const PersistentStateStore::Loaded loaded = state_.load(settings_, extras_);
    if (loaded.state == FileState::missing) {
        prompts.information(messages::kStateMissing);
        // The program ends once the window would show.
        terminateRequested_ = true;
    } else if (loaded.state == FileState::refused) {
        prompts.warning(messages::kStateInvalid);
        completionEnabled_ = false;
    } else if (loaded.padded && dataFiles_ == DataFiles::readWrite) {
        state_.rewrite();
    }
}

void Session::loadBasicSettings(Prompts& prompts)
{
    const FileState state = patterns_.load(settings_);
    if (state == FileState::missing) {
        prompts.information(messages::patternsMissing());
        completionEnabled_ = false;
    } else if (state == FileState::refused) {
        prompts.warning(messages::kPatternsInvalid);
        completionEnabled_ = false;
    }
}

// Every file the session writes fails the same way: the kinds listed are shown
// with their fixed message and the old file is whole; any other kind is a fault.
bool Session::tryWrite(const std::function<void()>& write, std::initializer_list<ErrorKind> shown)
{
    const auto messageFor = [shown](ErrorKind kind) -> std::optional<std::string> {
        if (std::find(shown.begin(), shown.end(), kind) == shown.end())
            return std::nullopt;
        return messages::dataErrorMessage(kind);
    };
    return showingFailure(prompts_, messageFor, write);
}

bool Session::tryData(const std::function<void()>& action)
{
    return showingFailure(prompts_, messages::dataErrorMessage, action);
}

void Session::saveState()
{
    // 連続 keeps the slot whose button is down, or says that none was.
    if (settings_.continuous != 0)
        settings_.continuous =
            quickSelect_.down != 0 ? quickSelect_.down : fieldRange(&AnnotationSettings::continuous).max;
    if (dataFiles_ != DataFiles::readWrite)
        return;
    // The text book may have fallen back or moved on since start-up.
    if (textBook_.started()) {
        extras_.currentPage = textBook_.currentPage();
        extras_.textBookFolder = textBook_.textBookFolder();
    }
    tryWrite([this] { state_.saveOnExit(settings_, extras_); });
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
    return tryWrite([this] { state_.registerSettings(settings_, extras_); });
}

bool Session::registerBasicSettings(std::string_view newName)
{
    // A name holding a line break is refused like a failed write.
    const bool registered = tryWrite([&] { patterns_.registerPattern(settings_.selectedPattern, settings_, newName); },
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
    saveState();
    saveTextBook();
    if (mode_ == SessionMode::importText)
        return report;
    output_.clear();
    AnnotationOutcome outcome;
    // The records go into the file as they are made; it replaces the old one only when whole,
    // and an error that ends the run before leaves the old one as it was.
    report.written = tryWrite([&] {
        StreamedFile file(exchangeFilePath(startFolder_));
        output_.streamTo([&file](std::string_view bytes) { file.write(bytes); });
        const struct StopStreaming {
            OutputList& out;
            ~StopStreaming() { out.streamTo({}); }
        } stop{output_};
        outcome = runAnnotation(exchange_, settings_, inputLines_, clock_, output_);
        output_.flush();
        file.commit();
    });
    outcome.changes.applyTo(settings_);
    if (outcome.errorMessage)
        prompts_.warning(*outcome.errorMessage);
    report.messageShown = outcome.errorMessage.has_value() || !report.written;
    return report;
}

void Session::close()
{
    saveState();
    saveTextBook();
}

int Session::loadQuickSelect()
{
    const FileState memos = memos_.loadAtStart();
    if (memos == FileState::refused) {
        prompts_.warning(messages::kMemosInvalid);
    } else if (memos == FileState::missing) {
        prompts_.information(messages::kMemosCreated);
        tryWrite([this] { memos_.writeDefault(); });
    }
    slots_.load();
    const int start = settings_.continuous;
    if (start < 1 || start > kSlotCount)
        return 0;
    pressSlot(start);
    return start;
}

SlotFeedback Session::pressSlot(int slot)
{
    switch (quickSelect_.pressSlot(slot)) {
    case SlotAction::store: return storeSlot(slot) ? SlotFeedback::saved : SlotFeedback::none;
    case SlotAction::apply: return applySlot(slot);
    case SlotAction::revert: revertToPersistentState(); return SlotFeedback::none;
    case SlotAction::none: break;
    }
    return SlotFeedback::none;
}

void Session::toggleSave()
{
    if (quickSelect_.toggleSave() == SlotAction::revert)
        revertToPersistentState();
}

bool Session::storeSlot(int slot)
{
    // A value that would not load again is refused like a failed write.
    return tryWrite([&] { slots_.store(slot, settings_, extras_.currentPage); },
                    {ErrorKind::Range, ErrorKind::Conversion, ErrorKind::InputOutput});
}

SlotFeedback Session::applySlot(int slot)
{
    if (slots_.isEmpty(slot))
        return SlotFeedback::nothingSaved;
    tryData([&] { slots_.apply(slot, settings_); });
    return SlotFeedback::none;
}

void Session::revertToPersistentState()
{
    // Both files or neither: a refused line leaves the slot's settings on show.
    AnnotationSettings s = settings_;
    SessionExtras x = extras_;
    if (!tryData([&] {
            state_.revert(s, x);
            patterns_.reapply(s);
        }))
        return;
    settings_ = std::move(s);
    extras_ = std::move(x);
}

bool Session::reloadMemos()
{
    bool found = false;
    if (!tryData([&] { found = memos_.reload(); }))
        return false;
    if (!found)
        prompts_.information(messages::kMemosMissing);
    return found;
}

bool Session::saveMemos(const SlotMemos& memos)
{
    return tryWrite([&] { memos_.save(memos); }, {ErrorKind::Conversion, ErrorKind::InputOutput});
}

bool Session::rememberLeaderLength()
{
    try {
        // The derivation's prologue records go nowhere: completion derives again.
        OutputList scratch;
        const WriterInput in = deriveSession(exchange_.header, mode_, settings_, inputLines_, scratch);
        const double dx = double(in.point2.x) - in.point1.x;
        const double dy = double(in.point2.y) - in.point1.y;
        const double length = std::round(pmath::hypot(dx, dy) * 1e10) / 1e10;
        state_.rememberLength(settings_, formatNumber(divide(length, in.scale)));
        return true;
    } catch (const Error& e) {
        // No readable points (a missing or refused exchange file) is a message,
        // never the end of the program: the user's text is still in the box.
        auto text = messages::dataErrorMessage(e.kind());
        if (!text)
            text = messages::writerErrorMessage(e.kind());
        if (!text)
            throw;
        prompts_.warning(*text);
        return false;
    }
}

} // namespace tagler
