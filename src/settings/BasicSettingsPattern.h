#pragma once
#include "base/LineFile.h"
#include "settings/AnnotationSettings.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// "PKDATA.tx": six named patterns of the basic settings, 20 lines each,
// then the six names.
namespace tagler {

inline constexpr const char* kBasicSettingsFileName = "PKDATA.tx";
inline constexpr std::size_t kBasicSettingsLineCount = 126;
inline constexpr int kPatternCount = 6;
inline constexpr std::size_t kPatternBlockLines = 20;
inline constexpr std::size_t kPatternNamesLine = 120;
inline constexpr std::size_t kPatternNameMaxCharacters = 24; // the name box's limit

using PatternNames = std::array<std::string, kPatternCount>; // CP932

// Only a file of exactly 126 lines is applied.
bool basicSettingsAccepted(const Lines& lines);

// "基本設定 1" .. "基本設定 6": the names when the file is missing.
PatternNames defaultPatternNames();

// Six patterns of the default basic settings and the default names: what a
// missing or refused file is rebuilt from when a pattern is registered.
Lines defaultBasicSettingsLines();

// The pattern's block into the settings; with renameList also the six names.
// A window colour line "0" selects the money-green entry whatever the index
// line says. Conversion error for a non-number, range error for an index no
// control has; nothing changes then.
void applyBasicSettingsPattern(const Lines& lines, int patternIndex, AnnotationSettings& settings, bool renameList,
                               PatternNames& names);

// What the name box can hold: at most 24 characters (a double-byte one counts once).
std::string patternNameFromBox(std::string_view text);

// 「基本設定登録」: the basic settings into the pattern's block; a non-empty
// newName renames the pattern, an empty one keeps its name; the six names go
// to lines 120..125. A list that was refused or missing at start is first
// rebuilt from the defaults, so registering repairs the file. A name with a
// line break is refused with a conversion error.
void storeBasicSettingsPattern(Lines& lines, int patternIndex, const AnnotationSettings& settings, PatternNames& names,
                               std::string_view newName);

} // namespace tagler
