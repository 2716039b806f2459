#pragma once

namespace tagler {

// What a press of a quick-select button asks of the settings.
enum class SlotAction { none, store, apply, revert };

// The ten slot buttons (at most one down, all may be up) and the 「保存」 toggle.
struct QuickSelectButtons {
    int down = 0; // the slot whose button is down, 0 for none
    bool save = false;

    // Slot k's button: down stores or applies it; pressed again it goes up,
    // which returns to the persistent settings unless 「保存」 is down.
    SlotAction pressSlot(int k)
    {
        if (down == k) {
            down = 0;
            return save ? SlotAction::none : SlotAction::revert;
        }
        down = k;
        return save ? SlotAction::store : SlotAction::apply;
    }

    // Releasing 「保存」 with no slot down returns to the persistent settings;
    // with a slot down the settings stay those of the slot.
    SlotAction toggleSave()
    {
        save = !save;
        return !save && down == 0 ? SlotAction::revert : SlotAction::none;
    }
};

} // namespace tagler
