#pragma once
#include "base/LineFile.h"
#include "settings/AnnotationSettings.h"

#include <cstddef>
#include <string>

// "PSDATA1.tx" … "PSDATA10.tx": the ten quick-select slots, each a whole set
// of settings at the lines of the field table's slot column.
namespace tagler {

inline constexpr int kSlotCount = 10;
inline constexpr std::size_t kSlotLineCount = 50;

std::string slotFileName(int slot); // slot 1..10

// Only a file of exactly 50 lines holds a slot; any other is an empty slot.
bool slotAccepted(const Lines& lines);

// The slot's 50 lines from the settings; line 4 is the open text-book page,
// written for the older program and never read back. A value that would not
// load again is refused with its error, before anything is written.
Lines slotLines(const AnnotationSettings& settings, int currentPage);

// The slot's lines into the settings, all or nothing: a value no control can
// show is a range error, text that is no number a conversion error, and the
// settings are then as they were. The fields the slot does not keep (連続,
// 引出線長固定, the remembered length) stay.
void applySlotLines(const Lines& lines, AnnotationSettings& settings);

} // namespace tagler
