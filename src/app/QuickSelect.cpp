#include "app/QuickSelect.h"

#include "app/DataFailure.h"
#include "app/Messages.h"
#include "base/Error.h"
#include "settings/QuickSelectSlot.h"
#include "settings/SettingsFields.h"

namespace tagler {

QuickSelect::QuickSelect(const std::string& folder, Prompts& prompts, AnnotationSettings& settings,
                         const SessionExtras& extras, std::function<void()> revert)
    : prompts_(prompts), settings_(settings), extras_(extras), revert_(std::move(revert)), slots_(folder, prompts),
      memos_(folder, prompts)
{}

int QuickSelect::loadAtStart()
{
    const FileState memos = memos_.loadAtStart();
    if (memos == FileState::refused) {
        prompts_.warning(messages::kMemosInvalid);
    } else if (memos == FileState::missing) {
        prompts_.information(messages::kMemosCreated);
        tryWrite(prompts_, [this] { memos_.writeDefault(); });
    }
    slots_.load();
    const int start = settings_.continuous;
    if (start < 1 || start > kSlotCount)
        return 0;
    pressSlot(start);
    return start;
}

SlotFeedback QuickSelect::pressSlot(int slot)
{
    switch (buttons_.pressSlot(slot)) {
    case SlotAction::store: return storeSlot(slot) ? SlotFeedback::saved : SlotFeedback::none;
    case SlotAction::apply: return applySlot(slot);
    case SlotAction::revert: revert_(); return SlotFeedback::none;
    case SlotAction::none: break;
    }
    return SlotFeedback::none;
}

void QuickSelect::toggleSave()
{
    if (buttons_.toggleSave() == SlotAction::revert)
        revert_();
}

bool QuickSelect::storeSlot(int slot)
{
    // A value that would not load again is refused like a failed write; another
    // window's slot kept instead is no store either.
    bool stored = false;
    tryWrite(prompts_, [&] { stored = slots_.store(slot, settings_, extras_.currentPage); },
             {ErrorKind::Range, ErrorKind::Conversion, ErrorKind::InputOutput});
    return stored;
}

SlotFeedback QuickSelect::applySlot(int slot)
{
    if (slots_.isEmpty(slot))
        return SlotFeedback::nothingSaved;
    tryData(prompts_, [&] { slots_.apply(slot, settings_); });
    return SlotFeedback::none;
}

bool QuickSelect::reloadMemos()
{
    bool found = false;
    if (!tryData(prompts_, [&] { found = memos_.reload(); }))
        return false;
    if (!found)
        prompts_.information(messages::kMemosMissing);
    return found;
}

bool QuickSelect::saveMemos(const SlotMemos& memos)
{
    return tryWrite(prompts_, [&] { memos_.save(memos); }, {ErrorKind::Conversion, ErrorKind::InputOutput});
}

std::optional<AnnotationSettings> QuickSelect::slotSettings(int slot, AnnotationSettings over) const
{
    if (slot < 1 || slot > kSlotCount)
        return std::nullopt;
    try {
        if (!slots_.apply(slot, over))
            return std::nullopt;
    } catch (const Error&) {
        return std::nullopt;
    }
    return over;
}

int QuickSelect::continuousToSave(int continuous) const
{
    if (continuous == 0)
        return 0;
    return buttons_.down != 0 ? buttons_.down : fieldRange(&AnnotationSettings::continuous).max;
}

} // namespace tagler
