#include "settings/PersistentState.h"

#include "base/Error.h"
#include "base/Number.h"
#include "settings/SettingsFields.h"
#include "settings/StoredValues.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace tagler {

namespace {

// The lines that hold no settings field; line 12 is unused and kept "0".
enum Line : std::size_t {
    currentPageLine = 4,
    textBookFolderLine = 11,
    windowLeftLine = 16,
    windowTopLine = 17,
};

constexpr int kLastPage = 20;

// 連続 and the lines after it are saved on exit; registering leaves 連続
// alone and clears the rest, which forgets the remembered length.
std::size_t firstExitLine() { return *settingsField(&AnnotationSettings::continuous).stateLine; }

// An empty window position is stored back as "0", so the window gets a number.
std::string windowPosition(std::string& line)
{
    if (line.empty())
        line = "0";
    parseInteger(line);
    return line;
}

// The settings fields' line, or "0" when none writes it.
std::string fieldsLine(std::size_t line, const AnnotationSettings& s)
{
    std::string text = "0";
    for (const SettingsField& f : settingsFields())
        if (f.stateLine == line)
            if (auto stored = storedFieldLine(f, s))
                text = std::move(*stored);
    return text;
}

std::string registeredLine(std::size_t line, const AnnotationSettings& s, const SessionExtras& x)
{
    switch (line) {
    case currentPageLine: return indexLine(x.currentPage, 1, kLastPage, "page");
    case textBookFolderLine: return singleLine(x.textBookFolder, "text-book folder");
    case windowLeftLine: return singleLine(x.windowLeft, "window left");
    case windowTopLine: return singleLine(x.windowTop, "window top");
    default: return fieldsLine(line, s);
    }
}

} // namespace

bool persistentStateAccepted(const Lines& list) { return list.size() >= kPersistentStateMinimumLines; }

bool applyPersistentState(Lines& list, AnnotationSettings& settings, SessionExtras& extras, PersistentStateScope scope)
{
    if (!persistentStateAccepted(list))
        fail(ErrorKind::Range, "PLDATA.tx has " + std::to_string(list.size()) + " lines");
    // Work on copies so a refused line leaves the settings and the list as they were.
    Lines l = list;
    const bool padded = padWithZeros(l, kPersistentStateLineCount);
    AnnotationSettings s = settings;
    SessionExtras x = extras;

    // Line by line, so the first refused line is the one reported.
    for (std::size_t i = 0; i < kPersistentStateLineCount; ++i) {
        if (i == currentPageLine && scope == PersistentStateScope::whole)
            x.currentPage = storedIndex(l[i], 1, kLastPage, "page");
        if (i == textBookFolderLine && scope == PersistentStateScope::whole)
            x.textBookFolder = l[i];
        if (i == windowLeftLine)
            x.windowLeft = windowPosition(l[i]);
        if (i == windowTopLine)
            x.windowTop = windowPosition(l[i]);
        for (const SettingsField& f : settingsFields())
            if (f.stateLine == i)
                readStoredField(f, l, &SettingsField::stateLine, s);
    }

    list = std::move(l);
    settings = std::move(s);
    extras = std::move(x);
    return padded;
}

void storeSessionSettings(Lines& list, AnnotationSettings& settings, const SessionExtras& extras)
{
    // Every value is formed before the list changes, so a refused one changes nothing.
    Lines head(firstExitLine());
    for (std::size_t i = 0; i < head.size(); ++i)
        head[i] = registeredLine(i, settings, extras);
    padWithZeros(list, kPersistentStateLineCount);
    std::copy(head.begin(), head.end(), list.begin());
    for (std::size_t i = firstExitLine() + 1; i < kPersistentStateLineCount; ++i)
        list[i] = "0";
    settings.rememberedLeaderLength = "0";
}

bool storeExitState(Lines& list, const AnnotationSettings& settings, const SessionExtras& extras)
{
    if (!persistentStateAccepted(list))
        return false;
    const std::string page = indexLine(extras.currentPage, 1, kLastPage, "page");
    std::vector<std::pair<std::size_t, std::string>> exitLines;
    for (const SettingsField& f : settingsFields())
        if (f.stateLine && *f.stateLine >= firstExitLine())
            if (auto stored = storedFieldLine(f, settings))
                exitLines.emplace_back(*f.stateLine, std::move(*stored));
    singleLine(extras.textBookFolder, "text-book folder");
    singleLine(extras.windowLeft, "window left");
    singleLine(extras.windowTop, "window top");

    padWithZeros(list, kPersistentStateLineCount);
    list[currentPageLine] = page;
    list[textBookFolderLine] = extras.textBookFolder;
    list[windowLeftLine] = extras.windowLeft;
    list[windowTopLine] = extras.windowTop;
    for (auto& [line, text] : exitLines)
        list[line] = std::move(text);
    return true;
}

void rememberLeaderLength(Lines& list, AnnotationSettings& settings, const std::string& lengthText)
{
    const SettingsField& f = settingsField(&AnnotationSettings::rememberedLeaderLength);
    singleLine(lengthText, f.fileLabel);
    settings.rememberedLeaderLength = lengthText;
    if (list.size() > *f.stateLine)
        list[*f.stateLine] = lengthText;
}

} // namespace tagler
