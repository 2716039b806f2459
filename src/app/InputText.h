#pragma once
#include "base/LineFile.h"

#include <QString>
#include <optional>

namespace tagler {

inline constexpr int kInputMaxLines = 5;
inline constexpr int kInputMaxLineBytes = 70;

// The input box's limits: five lines, each at most 70 bytes of CP932.
Lines applyInputBoxRules(Lines lines);

// Text as typed (any line ends) to CP932 lines under the input-box rules;
// nothing when a character has no CP932 form or is a control character, so
// nothing is written as "?" and no record is split or cut.
std::optional<Lines> inputLinesFromText(const QString& text);

} // namespace tagler
