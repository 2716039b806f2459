#pragma once
#include "settings/QuickSelectSlot.h"
#include "store/DataFile.h"

#include <array>
#include <string>

namespace tagler {

// Where a slot's settings come from.
enum class SlotMarker { empty, loaded, storedThisRun };

// Owns "PSDATA1.tx" … "PSDATA10.tx": the ten slots as read at first show,
// and as stored since.
class SlotStore final {
public:
    SlotStore(const std::string& folder, Prompts& prompts);

    // Every slot file; one that is missing, unreadable or of another length
    // than 50 lines is an empty slot, and nothing is reported.
    void load();

    SlotMarker marker(int slot) const { return markers_.at(index(slot)); }
    bool isEmpty(int slot) const { return marker(slot) == SlotMarker::empty; }
    // The 50 lines of a slot that is not empty.
    const Lines& lines(int slot) const { return files_.at(index(slot)).lines(); }
    const std::string& path(int slot) const { return files_.at(index(slot)).path(); }

    // The settings into the slot's file and its held lines. A failure is an
    // I/O (or refused value) error, and the file and the held slot stay as
    // they were. False when another window's slot was kept instead: that is
    // what the slot holds then.
    bool store(int slot, const AnnotationSettings& settings, int currentPage);

    // The held slot into the settings, all or nothing; false for an empty slot.
    bool apply(int slot, AnnotationSettings& settings) const;

private:
    static std::size_t index(int slot) { return static_cast<std::size_t>(slot - 1); }

    std::array<DataFile, kSlotCount> files_;
    std::array<SlotMarker, kSlotCount> markers_{};
};

} // namespace tagler
