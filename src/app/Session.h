#pragma once
#include "app/ExchangeStartup.h"
#include "app/QuickSelectButtons.h"
#include "base/Error.h"
#include "base/Prompts.h"
#include "settings/AnnotationSettings.h"
#include "store/MemoStore.h"
#include "store/PatternStore.h"
#include "store/PersistentStateStore.h"
#include "store/SlotStore.h"
#include "store/TextBookStore.h"
#include "writer/OutputList.h"

#include <functional>
#include <initializer_list>
#include <string>

namespace tagler {

class Clock;

// What a quick-select press shows for a moment.
enum class SlotFeedback { none, saved, nothingSaved };

struct CompletionReport {
    bool written = false;      // the exchange file was replaced
    bool messageShown = false; // the writer stopped with a message
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

    // First show: the memos, then the slots; then the slot 連続 kept is
    // pressed. Returns that slot, or 0.
    int loadQuickSelect();
    const QuickSelectButtons& quickSelect() const { return quickSelect_; }
    const SlotStore& slots() const { return slots_; }
    const SlotMemos& memos() const { return memos_.memos(); }
    // A slot button or 「保存」 pressed; messages for a failed store or a slot
    // that cannot be applied have been shown.
    SlotFeedback pressSlot(int slot);
    void toggleSave();
    // The memo panel: reloading as it opens (false: the file is missing, and
    // said so), and 「保存 & 閉じる」 (false: not written, and said so).
    bool reloadMemos();
    bool saveMemos(const SlotMemos& memos);
    // 「長さ記憶」: the length from point 1 to point 2 in mm at 1/1, into the
    // state saved on exit. False when the points cannot be read (the message
    // has been shown and nothing changed).
    bool rememberLeaderLength();

    bool completionEnabled() const { return completionEnabled_; }
    bool terminateRequested() const { return terminateRequested_; }
    bool startupMessageShown() const { return startupMessageShown_; }
    // The caption of 「入力完了」 in this mode.
    std::string completionCaption() const;

    // 「入力完了」: does nothing when disabled; otherwise writes the exchange file
    // (not when importing text) and the program should end.
    CompletionReport complete();
    // The window closes without completing.
    void close();

private:
    void showStartupError(const Error& e);
    void loadPersistentState(Prompts& prompts);
    void loadBasicSettings(Prompts& prompts);
    void saveState();
    bool storeSlot(int slot);
    SlotFeedback applySlot(int slot);
    void revertToPersistentState();
    bool tryData(const std::function<void()>& action);
    void saveTextBook();
    bool tryWrite(const std::function<void()>& write,
                  std::initializer_list<ErrorKind> shown = {ErrorKind::InputOutput});

    std::string startFolder_;
    SessionMode mode_;
    Prompts& prompts_;
    const Clock& clock_;
    AnnotationSettings settings_;
    ExchangeState exchange_;
    Lines inputLines_;
    OutputList output_;
    DataFiles dataFiles_;
    SelectionReading selection_;
    PersistentStateStore state_;
    PatternStore patterns_;
    SlotStore slots_;
    MemoStore memos_;
    QuickSelectButtons quickSelect_;
    TextBookStore textBook_;
    SessionExtras extras_;
    bool completionEnabled_ = true;
    bool terminateRequested_ = false;
    bool startupMessageShown_ = false;
};

} // namespace tagler
