#include "settings/BasicSettingsPattern.h"

#include "base/CodePage.h"
#include "base/Error.h"
#include "settings/ColourItems.h"
#include "settings/SettingsFields.h"
#include "settings/StoredValues.h"

#include <algorithm>
#include <span>

namespace tagler {

namespace {

void checkPatternIndex(int patternIndex)
{
    if (patternIndex < 0 || patternIndex >= kPatternCount)
        fail(ErrorKind::Range, "pattern " + std::to_string(patternIndex) + " does not exist");
}

// The last line of a block is reserved and kept "0".
Lines blockLines(const AnnotationSettings& s)
{
    Lines block(kPatternBlockLines, "0");
    for (std::size_t offset = 0; offset < block.size(); ++offset)
        for (const SettingsField& f : settingsFields())
            if (f.patternOffset == offset)
                if (auto stored = storedFieldLine(f, s))
                    block[offset] = std::move(*stored);
    return block;
}

std::size_t offsetOf(int AnnotationSettings::*member) { return *settingsField(member).patternOffset; }

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
    // No custom colour: the box shows money green.
    block[offsetOf(&AnnotationSettings::windowColor)] = "0";
    block[offsetOf(&AnnotationSettings::windowColorIndex)] = std::to_string(kMoneyGreenIndex);
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
    const std::span<const std::string> block(lines.data() + kPatternBlockLines * static_cast<std::size_t>(patternIndex),
                                             kPatternBlockLines);
    AnnotationSettings s = settings;
    // Offset by offset, so the first refused line is the one reported.
    for (std::size_t offset = 0; offset < block.size(); ++offset)
        for (const SettingsField& f : settingsFields())
            if (f.patternOffset == offset)
                readStoredField(f, block, &SettingsField::patternOffset, s);

    settings = std::move(s);
    if (renameList)
        std::copy_n(lines.begin() + kPatternNamesLine, kPatternCount, names.begin());
}

std::string patternNameFromBox(std::string_view text)
{
    return std::string(firstCharacters(text, kPatternNameMaxCharacters));
}

void storeBasicSettingsPattern(Lines& lines, int patternIndex, const AnnotationSettings& settings, PatternNames& names,
                               std::string_view newName)
{
    checkPatternIndex(patternIndex);
    Lines block = blockLines(settings);
    // A custom colour of 0 reads back as "none, money green", whatever entry was chosen; the
    // chosen entry's own colour stands in for it, so applying gives back the window registered.
    // A custom colour of the user's own stays: it reads back with the index beside it.
    if (settings.windowColor == 0 && settings.windowColorIndex != kMoneyGreenIndex)
        block[offsetOf(&AnnotationSettings::windowColor)] =
            std::to_string(colourItemValue(settings.windowColorIndex, settings.windowColor));
    const std::string name = patternNameFromBox(newName);
    singleLine(name, "pattern name");
    for (const std::string& n : names)
        singleLine(n, "pattern name");

    if (!basicSettingsAccepted(lines))
        lines = defaultBasicSettingsLines();
    std::copy(block.begin(), block.end(),
              lines.begin() + static_cast<std::ptrdiff_t>(kPatternBlockLines) * patternIndex);
    if (!name.empty())
        names[static_cast<std::size_t>(patternIndex)] = name;
    std::copy(names.begin(), names.end(), lines.begin() + kPatternNamesLine);
}

} // namespace tagler
