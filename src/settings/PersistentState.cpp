#include "settings/PersistentState.h"

#include "base/CodePage.h"
#include "base/Error.h"
#include "base/Number.h"
#include "settings/StoredValues.h"

#include <algorithm>
#include <cstdlib>

namespace tagler {

namespace {

enum Line : std::size_t {
    tipSymbolLine = 0,
    lineTypeLine = 1,
    frameTypeLine = 2,
    attachPositionLine = 3,
    currentPageLine = 4,
    copyModeLine = 5,
    textTypeLine = 6,
    extensionLengthLine = 7,
    extensionLengthModeLine = 8,
    textSlideLine = 9,
    selectedPatternLine = 10,
    textBookFolderLine = 11,
    unusedLine = 12,
    useEmbeddedTextLine = 13,
    imeStartModeLine = 14,
    fontSwitchLine = 15,
    windowLeftLine = 16,
    windowTopLine = 17,
    fillColorLine = 18,
    fillColorIndexLine = 19,
    chosenFontNameLine = 20,
    tiltFrameLine = 21,
    textCenterBaseLine = 22,
    continuousLine = 23,
    fixedLeaderLengthLine = 24,
};

constexpr int kLastColourIndex = 20; // custom, 16 standard, 4 extended
constexpr int kLastPage = 20;
constexpr int kLastSlot = 10;
constexpr int kContinuousWithoutSlot = 11;

// An empty window position is stored back as "0", so the window gets a number.
std::string windowPosition(std::string& line)
{
    if (line.empty())
        line = "0";
    parseInteger(line);
    return line;
}

// Line 19 carries the fill colour box index and 枠内着色 together: ±(index + 1).
void readFill(std::string_view line, AnnotationSettings& s)
{
    int value = storedIndex(line, -(kLastColourIndex + 1), kLastColourIndex + 1, "fill colour");
    // 0 is what a box without a selection wrote; its custom entry is the sound reading.
    s.fillColorIndex = value == 0 ? 0 : std::abs(value) - 1;
    s.fillInside = value < 0;
}

std::string fillLine(const AnnotationSettings& s)
{
    indexLine(s.fillColorIndex, 0, kLastColourIndex, "fill colour index");
    const int stored = s.fillColorIndex + 1;
    return std::to_string(s.fillInside ? -stored : stored);
}

int readImeMode(std::string_view line)
{
    int value = parseInteger(line);
    if (value <= 0)
        return 0; // toggle up
    return storedIndex(line, 1, 4, "IME mode");
}

// "0" unchecked; a slot number when a slot was down; anything else is checked without one.
int readContinuous(const std::string& line)
{
    if (line == "0")
        return 0;
    int slot = 0;
    if (tryParseInteger(line, slot) && slot >= 1 && slot <= kLastSlot)
        return slot;
    return kContinuousWithoutSlot;
}

// "000" and "0" are what older files hold when no font was chosen.
std::string readChosenFont(const std::string& line)
{
    if (line.empty() || line == "0" || line == "000")
        return AnnotationSettings::defaultFontName();
    return line;
}

} // namespace

bool persistentStateAccepted(const Lines& list) { return list.size() >= kPersistentStateMinimumLines; }

bool applyPersistentState(Lines& list, AnnotationSettings& settings, SessionExtras& extras,
                          PersistentStateScope scope)
{
    if (!persistentStateAccepted(list))
        fail(ErrorKind::Range, "PLDATA.tx has " + std::to_string(list.size()) + " lines");
    // Work on copies so a refused line leaves the settings and the list as they were.
    Lines l = list;
    const bool padded = padWithZeros(l, kPersistentStateLineCount);
    AnnotationSettings s = settings;
    SessionExtras x = extras;

    s.tipSymbol = storedIndex(l[tipSymbolLine], 0, 7, "tipSymbol");
    s.lineType = storedIndex(l[lineTypeLine], 0, 7, "lineType");
    s.frameType = storedIndex(l[frameTypeLine], 0, 14, "frameType");
    s.attachPosition = storedIndex(l[attachPositionLine], 0, 4, "attachPosition");
    if (scope == PersistentStateScope::whole) {
        x.currentPage = storedIndex(l[currentPageLine], 1, kLastPage, "page");
        x.textBookFolder = l[textBookFolderLine];
    }
    s.copyMode = storedIndex(l[copyModeLine], 0, 3, "copyMode");
    s.textType = storedIndex(l[textTypeLine], 0, 10, "textType");
    s.extensionLength = storedSpinValue(l[extensionLengthLine], 0, 99);
    s.extensionLengthMode = storedIndex(l[extensionLengthModeLine], 0, 1, "extensionLengthMode");
    s.textSlide = storedIndex(l[textSlideLine], 0, 6, "textSlide");
    s.selectedPattern = storedIndex(l[selectedPatternLine], 0, 5, "pattern");
    s.useEmbeddedText = parseInteger(l[useEmbeddedTextLine]) == 1;
    s.imeStartMode = readImeMode(l[imeStartModeLine]);
    s.fontSwitch = storedIndex(l[fontSwitchLine], -128, 127, "fontSwitch");
    x.windowLeft = windowPosition(l[windowLeftLine]);
    x.windowTop = windowPosition(l[windowTopLine]);
    s.fillColor = parseInteger(l[fillColorLine]);
    readFill(l[fillColorIndexLine], s);
    s.chosenFontName = readChosenFont(l[chosenFontNameLine]);
    s.tiltFrame = storedFlag(l[tiltFrameLine]);
    s.textCenterBase = storedFlag(l[textCenterBaseLine]);
    s.continuous = readContinuous(l[continuousLine]);
    s.fixedLeaderLength = l[fixedLeaderLengthLine] != "0";
    // Kept as text: the writer converts it when the fixed length is used.
    s.rememberedLeaderLength = l[kRememberedLeaderLengthLine];

    list = std::move(l);
    settings = std::move(s);
    extras = std::move(x);
    return padded;
}

void storeSessionSettings(Lines& list, AnnotationSettings& settings, const SessionExtras& extras)
{
    const AnnotationSettings& s = settings;
    const std::string font = s.chosenFontName.empty() ? AnnotationSettings::defaultFontName() : s.chosenFontName;
    // Every value is formed before the list changes, so a refused one changes nothing.
    const Lines head{
        indexLine(s.tipSymbol, 0, 7, "tipSymbol"),
        indexLine(s.lineType, 0, 7, "lineType"),
        indexLine(s.frameType, 0, 14, "frameType"),
        indexLine(s.attachPosition, 0, 4, "attachPosition"),
        indexLine(extras.currentPage, 1, kLastPage, "page"),
        indexLine(s.copyMode, 0, 3, "copyMode"),
        indexLine(s.textType, 0, 10, "textType"),
        indexLine(s.extensionLength, 0, 99, "extensionLength"),
        indexLine(s.extensionLengthMode, 0, 1, "extensionLengthMode"),
        indexLine(s.textSlide, 0, 6, "textSlide"),
        indexLine(s.selectedPattern, 0, 5, "pattern"),
        singleLine(extras.textBookFolder, "text-book folder"),
        "0",
        flagLine(s.useEmbeddedText),
        indexLine(s.imeStartMode, 0, 4, "imeStartMode"),
        indexLine(s.fontSwitch, -128, 127, "fontSwitch"),
        singleLine(extras.windowLeft, "window left"),
        singleLine(extras.windowTop, "window top"),
        std::to_string(s.fillColor),
        fillLine(s),
        singleLine(font, "font name"),
        flagLine(s.tiltFrame),
        flagLine(s.textCenterBase),
    };
    padWithZeros(list, kPersistentStateLineCount);
    std::copy(head.begin(), head.end(), list.begin());
    for (std::size_t i = fixedLeaderLengthLine; i < kPersistentStateLineCount; ++i)
        list[i] = "0";
    settings.rememberedLeaderLength = "0";
}

void registerSessionSettings(const std::string& path, Lines& list, AnnotationSettings& settings,
                             const SessionExtras& extras)
{
    storeSessionSettings(list, settings, extras);
    writeLines(path, list);
}

bool storeExitState(Lines& list, const AnnotationSettings& settings, const SessionExtras& extras)
{
    if (!persistentStateAccepted(list))
        return false;
    const std::string page = indexLine(extras.currentPage, 1, kLastPage, "page");
    const std::string continuous = indexLine(settings.continuous, 0, kContinuousWithoutSlot, "continuous");
    singleLine(extras.textBookFolder, "text-book folder");
    singleLine(extras.windowLeft, "window left");
    singleLine(extras.windowTop, "window top");
    singleLine(settings.rememberedLeaderLength, "remembered length");

    padWithZeros(list, kPersistentStateLineCount);
    list[currentPageLine] = page;
    list[textBookFolderLine] = extras.textBookFolder;
    list[windowLeftLine] = extras.windowLeft;
    list[windowTopLine] = extras.windowTop;
    list[continuousLine] = continuous;
    list[fixedLeaderLengthLine] = flagLine(settings.fixedLeaderLength);
    list[kRememberedLeaderLengthLine] = settings.rememberedLeaderLength;
    return true;
}

bool saveStateOnExit(const std::string& path, Lines& list, const AnnotationSettings& settings,
                     const SessionExtras& extras)
{
    if (!storeExitState(list, settings, extras))
        return false;
    writeLines(path, list);
    return true;
}

void rememberLeaderLength(Lines& list, AnnotationSettings& settings, const std::string& lengthText)
{
    singleLine(lengthText, "remembered length");
    settings.rememberedLeaderLength = lengthText;
    if (list.size() > kRememberedLeaderLengthLine)
        list[kRememberedLeaderLengthLine] = lengthText;
}

} // namespace tagler
