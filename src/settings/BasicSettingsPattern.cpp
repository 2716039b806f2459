#include "settings/BasicSettingsPattern.h"

#include "base/CodePage.h"
#include "base/Error.h"
#include "base/Number.h"
#include "settings/StoredValues.h"

#include <algorithm>

namespace tagler {

namespace {

enum Offset : std::size_t {
    arrowLengthOffset = 0,
    leaderColorOffset = 1,
    lineSpacingOffset = 2,
    arrowColorOffset = 3,
    extensionColorOffset = 4,
    fillGapOffset = 5,
    frameGapVerticalOffset = 6,
    frameGapHorizontalOffset = 7,
    dotColorOffset = 8,
    frameColorOffset = 9,
    writeGroupOffset = 10,
    lineLayerOffset = 11,
    textLayerOffset = 12,
    arrowAngleOffset = 13,
    windowColorOffset = 14,
    windowColorIndexOffset = 15,
    dotRadiusOffset = 16,
    detectionRangeOffset = 17,
    noFrameGapOffset = 18,
    reservedOffset = 19,
};

constexpr int kLastColourIndex = 20;
constexpr int kLastLineColour = 8;
constexpr int kLastGroupOrLayer = 16;

void checkPatternIndex(int patternIndex)
{
    if (patternIndex < 0 || patternIndex >= kPatternCount)
        fail(ErrorKind::Range, "pattern " + std::to_string(patternIndex) + " does not exist");
}

int digit(char c)
{
    if (c < '0' || c > '9')
        fail(ErrorKind::Conversion, std::string("'") + c + "' is not a valid integer value");
    return c - '0';
}

// Two digits written together: the x1 list's index, then the x0.1 list's.
int readDotRadius(std::string_view line)
{
    if (line.empty())
        fail(ErrorKind::Conversion, "'' is not a valid integer value");
    return digit(line.front()) * 10 + digit(line.back());
}

Lines blockLines(const AnnotationSettings& s)
{
    indexLine(s.dotRadius, 0, 99, "dotRadius");
    const int radius = s.dotRadius;
    return Lines{
        indexLine(s.arrowLength, 1, 60, "arrowLength"),
        indexLine(s.leaderColor, 0, kLastLineColour, "leaderColor"),
        indexLine(s.lineSpacing, -9, 99, "lineSpacing"),
        indexLine(s.arrowColor, 0, kLastLineColour, "arrowColor"),
        indexLine(s.extensionColor, 0, kLastLineColour, "extensionColor"),
        indexLine(s.fillGap, 0, 10, "fillGap"),
        indexLine(s.frameGapVertical, -9, 99, "frameGapVertical"),
        indexLine(s.frameGapHorizontal, -9, 99, "frameGapHorizontal"),
        indexLine(s.dotColor, 0, kLastLineColour, "dotColor"),
        indexLine(s.frameColor, 0, kLastLineColour, "frameColor"),
        indexLine(s.writeGroup, 0, kLastGroupOrLayer, "writeGroup"),
        indexLine(s.lineLayer, 0, kLastGroupOrLayer, "lineLayer"),
        indexLine(s.textLayer, 0, kLastGroupOrLayer, "textLayer"),
        indexLine(s.arrowAngle, 0, 9, "arrowAngle"),
        std::to_string(s.windowColor),
        indexLine(s.windowColorIndex, 0, kLastColourIndex, "windowColorIndex"),
        std::to_string(radius / 10) + std::to_string(radius % 10),
        indexLine(s.detectionRange, 0, 3, "detectionRange"),
        flagLine(s.noFrameGap),
        "0",
    };
}

// The first maxCharacters characters, a double-byte character counting once.
std::string_view firstCharacters(std::string_view text, std::size_t maxCharacters)
{
    std::size_t i = 0;
    for (std::size_t count = 0; i < text.size() && count < maxCharacters; ++count)
        i += (isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ? 2 : 1;
    return text.substr(0, i);
}

} // namespace

bool basicSettingsAccepted(const Lines& lines) { return lines.size() == kBasicSettingsLineCount; }

PatternNames defaultPatternNames()
{
    PatternNames names;
    for (int i = 0; i < kPatternCount; ++i)
        names[static_cast<std::size_t>(i)] = sjis("基本設定 ") + std::to_string(i + 1);
    return names;
}

Lines defaultBasicSettingsLines()
{
    Lines block = blockLines(AnnotationSettings{});
    block[windowColorOffset] = "0"; // no custom colour: the box shows money green
    block[windowColorIndexOffset] = std::to_string(kMoneyGreenIndex);
    Lines lines;
    for (int p = 0; p < kPatternCount; ++p)
        lines.insert(lines.end(), block.begin(), block.end());
    for (const std::string& name : defaultPatternNames())
        lines.push_back(name);
    return lines;
}

void applyBasicSettingsPattern(const Lines& lines, int patternIndex, AnnotationSettings& settings, bool renameList,
                               PatternNames& names)
{
    if (!basicSettingsAccepted(lines))
        fail(ErrorKind::Range, "PKDATA.tx has " + std::to_string(lines.size()) + " lines");
    checkPatternIndex(patternIndex);
    const auto b = lines.begin() + static_cast<std::ptrdiff_t>(kPatternBlockLines) * patternIndex;
    AnnotationSettings s = settings;

    s.arrowLength = storedSpinValue(b[arrowLengthOffset], 1, 60);
    s.leaderColor = storedIndex(b[leaderColorOffset], 0, kLastLineColour, "leaderColor");
    s.lineSpacing = storedSpinValue(b[lineSpacingOffset], -9, 99);
    s.arrowColor = storedIndex(b[arrowColorOffset], 0, kLastLineColour, "arrowColor");
    s.extensionColor = storedIndex(b[extensionColorOffset], 0, kLastLineColour, "extensionColor");
    s.fillGap = storedSpinValue(b[fillGapOffset], 0, 10);
    s.frameGapVertical = storedSpinValue(b[frameGapVerticalOffset], -9, 99);
    s.frameGapHorizontal = storedSpinValue(b[frameGapHorizontalOffset], -9, 99);
    s.dotColor = storedIndex(b[dotColorOffset], 0, kLastLineColour, "dotColor");
    s.frameColor = storedIndex(b[frameColorOffset], 0, kLastLineColour, "frameColor");
    s.writeGroup = storedIndex(b[writeGroupOffset], 0, kLastGroupOrLayer, "writeGroup");
    s.lineLayer = storedIndex(b[lineLayerOffset], 0, kLastGroupOrLayer, "lineLayer");
    s.textLayer = storedIndex(b[textLayerOffset], 0, kLastGroupOrLayer, "textLayer");
    s.arrowAngle = storedIndex(b[arrowAngleOffset], 0, 9, "arrowAngle");
    s.windowColor = parseInteger(b[windowColorOffset]);
    // "0" means no custom colour was ever set; the default window is money green.
    s.windowColorIndex = b[windowColorOffset] == "0"
                             ? kMoneyGreenIndex
                             : storedIndex(b[windowColorIndexOffset], 0, kLastColourIndex, "window colour");
    s.dotRadius = readDotRadius(b[dotRadiusOffset]);
    s.detectionRange = storedIndex(b[detectionRangeOffset], 0, 3, "detectionRange");
    s.noFrameGap = storedFlag(b[noFrameGapOffset]);

    settings = std::move(s);
    if (renameList)
        std::copy_n(lines.begin() + kPatternNamesLine, kPatternCount, names.begin());
}

std::string patternNameFromBox(std::string_view text)
{
    return std::string(firstCharacters(text, kPatternNameMaxCharacters));
}

void storeBasicSettingsPattern(Lines& lines, int patternIndex, const AnnotationSettings& settings,
                               PatternNames& names, std::string_view newName)
{
    checkPatternIndex(patternIndex);
    const Lines block = blockLines(settings);
    const std::string name = patternNameFromBox(newName);
    singleLine(name, "pattern name");
    for (const std::string& n : names)
        singleLine(n, "pattern name");

    if (!basicSettingsAccepted(lines))
        lines = defaultBasicSettingsLines();
    std::copy(block.begin(), block.end(), lines.begin() + static_cast<std::ptrdiff_t>(kPatternBlockLines) * patternIndex);
    if (!name.empty())
        names[static_cast<std::size_t>(patternIndex)] = name;
    std::copy(names.begin(), names.end(), lines.begin() + kPatternNamesLine);
}

void registerBasicSettingsPattern(const std::string& path, Lines& lines, int patternIndex,
                                  const AnnotationSettings& settings, PatternNames& names, std::string_view newName)
{
    storeBasicSettingsPattern(lines, patternIndex, settings, names, newName);
    writeLines(path, lines);
}

} // namespace tagler
