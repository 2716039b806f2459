#pragma once
#include "app/ExchangeStartup.h"
#include "app/QuickSelect.h"
#include "base/Error.h"
#include "base/HeldPrompts.h"
#include "base/Prompts.h"
#include "settings/AnnotationSettings.h"
#include "store/PatternStore.h"
#include "store/PersistentStateStore.h"
#include "store/TextBookStore.h"

#include <optional>
#include <string>

namespace tagler {

class Clock;

struct CompletionReport {
    bool written = false;      // the exchange file was replaced
    bool messageShown = false; // the writer stopped with a message
    // The exchange file was to be replaced and was not: the host would get nothing, so the
    // session goes on with its text and settings as they were.
    bool failed = false;
};

// The program's life without its window: start-up checks in their order,
// the live settings and input text, completion and close.
class Session final {
public:
    // A session that only reads its data files (the batch program) never writes them.
    enum class DataFiles { readWrite, readOnly };
    Session(std::string startFolder, SessionMode mode, Prompts& prompts, const Clock& clock,
            DataFiles dataFiles = DataFiles::readWrite, SelectionReading selection = SelectionReading::held);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    void startUp();

    SessionMode mode() const { return mode_; }
    const Clock& clock() const { return clock_; }
    const std::string& startFolder() const { return startFolder_; }
    AnnotationSettings& settings() { return settings_; }
    const AnnotationSettings& settings() const { return settings_; }
    const Lines& inputLines() const { return inputLines_; }
    void setInputLines(Lines lines);
    const ExchangeState& exchange() const { return exchange_; }
    SessionExtras& extras() { return extras_; }
    const PatternNames& patternNames() const { return patterns_.names(); }
    // The open text book; the batch program never opens it.
    TextBookStore& textBook() { return textBook_; }

    // 「設定登録」 and 「基本設定登録」; false when the file could not be written
    // (the message has been shown and the old file is whole).
    bool registerSessionSettings();
    bool registerBasicSettings(std::string_view newName);
    // A click in the pattern list.
    void selectPattern(int index);

    // 簡単選択, on these settings.
    QuickSelect& quickSelect() { return quickSelect_; }
    const QuickSelect& quickSelect() const { return quickSelect_; }
    // 「長さ記憶」: the length from point 1 to point 2 in mm at 1/1, into the
    // state saved on exit, as stored. Nullopt when the points cannot be read
    // (the message has been shown and nothing changed).
    std::optional<std::string> rememberLeaderLength();

    bool completionEnabled() const { return completionEnabled_; }
    bool terminateRequested() const { return terminateRequested_; }
    // The caption of 「入力完了」 in this mode.
    std::string completionCaption() const;

    // 「入力完了」: does nothing when disabled; otherwise writes the exchange file
    // (not when importing text) and the program should end, unless the report says it failed.
    CompletionReport complete();
    // The window closes without completing.
    void close();

private:
    void showStartupError(const Error& e);
    void loadPersistentState();
    void loadBasicSettings();
    void saveState();
    void revertToPersistentState();
    void saveTextBook();
    // The state and the text book at completion or close: one box for what failed.
    void saveDataFiles();

    std::string startFolder_;
    SessionMode mode_;
    HeldPrompts prompts_;
    const Clock& clock_;
    AnnotationSettings settings_;
    ExchangeState exchange_;
    Lines inputLines_;
    DataFiles dataFiles_;
    SelectionReading selection_;
    PersistentStateStore state_;
    PatternStore patterns_;
    SessionExtras extras_;
    TextBookStore textBook_;
    QuickSelect quickSelect_;
    bool completionEnabled_ = true;
    bool terminateRequested_ = false;
};

} // namespace tagler
