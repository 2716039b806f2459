#pragma once
#include "app/QuickSelectButtons.h"
#include "base/Prompts.h"
#include "settings/AnnotationSettings.h"
#include "settings/PersistentState.h"
#include "store/MemoStore.h"
#include "store/SlotStore.h"

#include <functional>
#include <optional>
#include <string>

namespace tagler {

// What a quick-select press shows for a moment.
enum class SlotFeedback { none, saved, nothingSaved };

// 簡単選択: the ten slot files, their memos and the buttons, working on the
// session's live settings. Messages for a failed store, a slot that cannot be
// applied or a memo file that cannot be read go to the prompts.
class QuickSelect final {
public:
    // revert returns the settings to the persistent ones (PLDATA and the pattern).
    QuickSelect(const std::string& folder, Prompts& prompts, AnnotationSettings& settings, const SessionExtras& extras,
                std::function<void()> revert);
    QuickSelect(const QuickSelect&) = delete;
    QuickSelect& operator=(const QuickSelect&) = delete;

    // First show: the memos, then the slots; then the slot 連続 kept is
    // pressed. Returns that slot, or 0.
    int loadAtStart();

    // A slot button or 「保存」 pressed.
    SlotFeedback pressSlot(int slot);
    void toggleSave();

    // The memo panel: reloading as it opens (false: the file is missing or
    // refused, and said so), and 「保存 & 閉じる」 (false: not written, and said so).
    bool reloadMemos();
    bool saveMemos(const SlotMemos& memos);

    const QuickSelectButtons& buttons() const { return buttons_; }
    const SlotStore& slots() const { return slots_; }
    const SlotMemos& memos() const { return memos_.memos(); }

    // The slot's settings over the given ones, for its picture; nullopt for an
    // empty slot or one that cannot be applied.
    std::optional<AnnotationSettings> slotSettings(int slot, AnnotationSettings over) const;

    // 連続 as saved on exit: the slot whose button is down, or the value that
    // says none was; 0 (off) stays 0.
    int continuousToSave(int continuous) const;

private:
    bool storeSlot(int slot);
    SlotFeedback applySlot(int slot);

    Prompts& prompts_;
    AnnotationSettings& settings_;
    const SessionExtras& extras_;
    std::function<void()> revert_;
    SlotStore slots_;
    MemoStore memos_;
    QuickSelectButtons buttons_;
};

} // namespace tagler
