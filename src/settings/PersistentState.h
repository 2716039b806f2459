#pragma once
#include "base/LineFile.h"
#include "settings/AnnotationSettings.h"

#include <cstddef>
#include <string>

// "PLDATA.tx": the session settings and the window's remembered place, one
// value per line, kept in the start folder between runs.
namespace tagler {

inline constexpr const char* kPersistentStateFileName = "PLDATA.tx";
inline constexpr std::size_t kPersistentStateLineCount = 30;
inline constexpr std::size_t kPersistentStateMinimumLines = 25; // shorter files are refused

// What the file keeps beside the settings: the open text book and the window's place.
struct SessionExtras {
    int currentPage = 1;        // 1..20
    std::string textBookFolder; // "" or "\sub\box", backslashes as stored
    std::string windowLeft = "0";
    std::string windowTop = "0";
};

enum class PersistentStateScope {
    whole,        // at start
    settingsOnly, // releasing a quick-select slot or 「保存」: the open text book stays
};

// Whether a loaded file may be applied; a refused one is reported with
// the session's message.
bool persistentStateAccepted(const Lines& list);

// Lines 0..25 into the settings and extras. Empty window positions become "0"
// in the list; a list of 25..29 lines is padded with "0" to 30 and true is
// returned: the caller then writes it back. Nothing changes when a line is
// refused: conversion error for a non-number, range error for a value no
// control can show. The caller runs updateControlEnabling afterwards.
bool applyPersistentState(Lines& list, AnnotationSettings& settings, SessionExtras& extras,
                          PersistentStateScope scope = PersistentStateScope::whole);

// 「設定登録」: lines 0..22 from the settings, line 23 left alone, lines 24..29
// "0". That clears the remembered leader length, in the settings too.
void storeSessionSettings(Lines& list, AnnotationSettings& settings, const SessionExtras& extras);

// Completion and close: lines 4, 11, 16, 17, 23, 24 (and 25, the remembered
// length, which always equals the list's). A list refused at start is left
// alone and false returned: overwriting the user's broken file with a
// mostly empty one would lose what could still be mended by hand.
bool storeExitState(Lines& list, const AnnotationSettings& settings, const SessionExtras& extras);

// 「長さ記憶」: the list line is what a later slot release reads back.
void rememberLeaderLength(Lines& list, AnnotationSettings& settings, const std::string& lengthText);

} // namespace tagler
