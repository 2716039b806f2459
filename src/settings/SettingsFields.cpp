#include "settings/SettingsFields.h"

#include "base/Error.h"
#include "base/Number.h"
#include "settings/BasicSettingsPattern.h"
#include "settings/ColourItems.h"
#include "settings/FrameType.h"
#include "settings/PersistentState.h"
#include "settings/QuickSelectSlot.h"
#include "settings/StoredValues.h"
#include "settings/TipSymbol.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <stdexcept>

namespace tagler {

namespace {

using S = AnnotationSettings;
using F = StoredForm;
constexpr std::nullopt_t none = std::nullopt;

constexpr FieldRange kLineColour{0, 8};    // 0 the host's (or the leader's), then colours 1..8
constexpr FieldRange kGroupOrLayer{0, 16}; // 0 the host's, then 0..F
constexpr FieldRange kColourItem{0, kColourItemCount - 1};
constexpr FieldRange kGap{-9, 99}; // -0.9..9.9 mm
constexpr FieldRange kAnyColour{INT_MIN, INT_MAX};
constexpr FieldRange kFrameItem{0, kFrameTypeCount - 1};
constexpr FieldRange kTipItem{0, kTipSymbolCount - 1};
// 0 off, a slot that is down, or on without a slot (the last value).
constexpr FieldRange kContinuous{0, kSlotCount + 1};

// name, member, range, PLDATA line, PKDATA offset, PSDATA line, stored form, label in the files' errors
constexpr std::array kFields{
    SettingsField{"tipSymbol", &S::tipSymbol, kTipItem, 0, none, 0, F::index},
    SettingsField{"lineType", &S::lineType, FieldRange{0, 7}, 1, none, 1, F::index},
    SettingsField{"frameType", &S::frameType, kFrameItem, 2, none, 2, F::index},
    SettingsField{"attachPosition", &S::attachPosition, FieldRange{0, 4}, 3, none, 3, F::index},
    SettingsField{"copyMode", &S::copyMode, FieldRange{0, 3}, 5, none, 5, F::index},
    SettingsField{"textType", &S::textType, FieldRange{0, 10}, 6, none, 6, F::index},
    SettingsField{"extensionLength", &S::extensionLength, FieldRange{0, 99}, 7, none, 7, F::spinValue},
    SettingsField{"extensionLengthMode", &S::extensionLengthMode, FieldRange{0, 1}, 8, none, 8, F::index},
    SettingsField{"textSlide", &S::textSlide, FieldRange{0, 6}, 9, none, 9, F::index},
    SettingsField{"selectedPattern", &S::selectedPattern, FieldRange{0, kPatternCount - 1}, 10, none, 41, F::index,
                  "pattern"},
    SettingsField{"useEmbeddedText", &S::useEmbeddedText, none, 13, none, 10, F::numberFlag},
    SettingsField{"imeStartMode", &S::imeStartMode, FieldRange{0, 4}, 14, none, 11, F::imeMode, nullptr, F::imeDown},
    SettingsField{"fontSwitch", &S::fontSwitch, FieldRange{-128, 127}, 15, none, 17, F::index},
    SettingsField{"fillColor", &S::fillColor, kAnyColour, 18, none, 12, F::colour},
    SettingsField{"fillColorIndex", &S::fillColorIndex, kColourItem, 19, none, 13, F::fillIndex, "fill colour index",
                  F::index},
    SettingsField{"fillInside", &S::fillInside, none, 19, none, 14, F::fillSign, nullptr, F::flag},
    SettingsField{"chosenFontName", &S::chosenFontName, none, 20, none, 15, F::fontName, "font name"},
    SettingsField{"tiltFrame", &S::tiltFrame, none, 21, none, 16, F::flag},
    SettingsField{"textCenterBase", &S::textCenterBase, none, 22, none, 18, F::flag},
    SettingsField{"continuous", &S::continuous, kContinuous, 23, none, none, F::continuousSlot},
    SettingsField{"fixedLeaderLength", &S::fixedLeaderLength, none, 24, none, none, F::nonZeroFlag},
    SettingsField{"rememberedLeaderLength", &S::rememberedLeaderLength, none, 25, none, none, F::decimalText,
                  "remembered length"},

    SettingsField{"arrowLength", &S::arrowLength, FieldRange{1, 60}, none, 0, 25, F::spinValue},
    SettingsField{"leaderColor", &S::leaderColor, kLineColour, none, 1, 26, F::index},
    SettingsField{"lineSpacing", &S::lineSpacing, kGap, none, 2, 27, F::spinValue},
    SettingsField{"arrowColor", &S::arrowColor, kLineColour, none, 3, 28, F::index},
    SettingsField{"extensionColor", &S::extensionColor, kLineColour, none, 4, 29, F::index},
    SettingsField{"fillGap", &S::fillGap, FieldRange{0, 10}, none, 5, 30, F::spinValue},
    SettingsField{"frameGapVertical", &S::frameGapVertical, kGap, none, 6, 31, F::spinValue},
    SettingsField{"frameGapHorizontal", &S::frameGapHorizontal, kGap, none, 7, 32, F::spinValue},
    SettingsField{"dotColor", &S::dotColor, kLineColour, none, 8, 33, F::index},
    SettingsField{"frameColor", &S::frameColor, kLineColour, none, 9, 34, F::index},
    SettingsField{"writeGroup", &S::writeGroup, kGroupOrLayer, none, 10, 35, F::index},
    SettingsField{"lineLayer", &S::lineLayer, kGroupOrLayer, none, 11, 36, F::index},
    SettingsField{"textLayer", &S::textLayer, kGroupOrLayer, none, 12, 37, F::index},
    SettingsField{"arrowAngle", &S::arrowAngle, FieldRange{0, 9}, none, 13, 38, F::index},
    SettingsField{"windowColor", &S::windowColor, kAnyColour, none, 14, 39, F::colour},
    SettingsField{"windowColorIndex", &S::windowColorIndex, kColourItem, none, 15, 40, F::windowColourIndex, nullptr,
                  F::index},
    SettingsField{"dotRadius", &S::dotRadius, FieldRange{0, 99}, none, 16, 42, F::twoDigits},
    SettingsField{"detectionRange", &S::detectionRange, FieldRange{0, 3}, none, 17, 43, F::index},
    SettingsField{"noFrameGap", &S::noFrameGap, none, none, 18, 44, F::flag},
};

// What a table edit could get wrong without any test noticing at once.
constexpr bool formFitsMember(const SettingsField& f, StoredForm form)
{
    switch (form) {
    case F::flag:
    case F::numberFlag:
    case F::nonZeroFlag:
    case F::fillSign: return std::holds_alternative<bool S::*>(f.member) && !f.range;
    case F::fontName:
    case F::decimalText: return std::holds_alternative<std::string S::*>(f.member) && !f.range;
    default: return std::holds_alternative<int S::*>(f.member) && f.range && f.range->min <= f.range->max;
    }
}

constexpr bool sharesLineRightly(const SettingsField& a, const SettingsField& b, FileColumn column)
{
    if (!(a.*column) || a.*column != b.*column)
        return true;
    // Only 枠内着色 rides on another field's line: the sign of the fill index.
    return (a.form == F::fillIndex && b.form == F::fillSign) || (a.form == F::fillSign && b.form == F::fillIndex);
}

// A kind's field spans exactly the rows of its table.
constexpr bool spans(int S::*member, FieldRange range)
{
    for (const SettingsField& f : kFields)
        if (f.member == FieldMember(member))
            return f.range && f.range->min == range.min && f.range->max == range.max;
    return false;
}

constexpr bool tableIsSound()
{
    if (!spans(&S::frameType, {0, kFrameTypeCount - 1}) || !spans(&S::tipSymbol, {0, kTipSymbolCount - 1}))
        return false;
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const SettingsField& a = kFields[i];
        if (!formFitsMember(a, a.form) || (a.slotForm && !formFitsMember(a, *a.slotForm)))
            return false;
        if (a.slotLine && *a.slotLine >= kSlotLineCount)
            return false;
        if ((a.stateLine && *a.stateLine >= kPersistentStateLineCount) ||
            (a.patternOffset && *a.patternOffset >= kPatternBlockLines))
            return false;
        for (std::size_t j = i + 1; j < kFields.size(); ++j) {
            const SettingsField& b = kFields[j];
            if (std::string_view(a.name) == b.name || a.member == b.member)
                return false;
            if (!sharesLineRightly(a, b, &SettingsField::stateLine) ||
                !sharesLineRightly(a, b, &SettingsField::patternOffset) ||
                !sharesLineRightly(a, b, &SettingsField::slotLine))
                return false;
        }
    }
    return true;
}
static_assert(tableIsSound());

int& intOf(const SettingsField& f, S& s) { return s.*std::get<int S::*>(f.member); }
int intOf(const SettingsField& f, const S& s) { return s.*std::get<int S::*>(f.member); }
bool& boolOf(const SettingsField& f, S& s) { return s.*std::get<bool S::*>(f.member); }
bool boolOf(const SettingsField& f, const S& s) { return s.*std::get<bool S::*>(f.member); }
std::string& textOf(const SettingsField& f, S& s) { return s.*std::get<std::string S::*>(f.member); }
const std::string& textOf(const SettingsField& f, const S& s) { return s.*std::get<std::string S::*>(f.member); }

const char* label(const SettingsField& f) { return f.fileLabel ? f.fileLabel : f.name; }

int digit(char c)
{
    if (c < '0' || c > '9')
        fail(ErrorKind::Conversion, std::string("'") + c + "' is not a valid integer value");
    return c - '0';
}

// Two digits written together: the x1 list's index, then the x0.1 list's.
int readTwoDigits(std::string_view line)
{
    if (line.empty())
        fail(ErrorKind::Conversion, "'' is not a valid integer value");
    return digit(line.front()) * 10 + digit(line.back());
}

} // namespace

std::span<const SettingsField> settingsFields() { return kFields; }

const SettingsField* findSettingsField(std::string_view name)
{
    for (const SettingsField& f : kFields)
        if (name == f.name)
            return &f;
    return nullptr;
}

const SettingsField& settingsField(FieldMember member)
{
    for (const SettingsField& f : kFields)
        if (f.member == member)
            return f;
    throw std::logic_error("a settings member without a row in the field table");
}

FieldRange fieldRange(int AnnotationSettings::*member)
{
    const SettingsField& f = settingsField(member);
    if (!f.range)
        throw std::logic_error(std::string(f.name) + " has no range");
    return *f.range;
}

StoredForm storedForm(const SettingsField& f, FileColumn column)
{
    return column == &SettingsField::slotLine && f.slotForm ? *f.slotForm : f.form;
}

void readStoredField(const SettingsField& f, std::span<const std::string> lines, FileColumn column,
                     AnnotationSettings& s)
{
    const std::string& line = lines[*(f.*column)];
    switch (storedForm(f, column)) {
    case F::index: intOf(f, s) = storedIndex(line, f.range->min, f.range->max, label(f)); return;
    case F::spinValue: intOf(f, s) = storedSpinValue(line, f.range->min, f.range->max); return;
    case F::flag: boolOf(f, s) = storedFlag(line); return;
    case F::numberFlag: boolOf(f, s) = parseInteger(line) == 1; return;
    case F::nonZeroFlag: boolOf(f, s) = line != "0"; return;
    case F::colour: intOf(f, s) = parseInteger(line); return;
    case F::imeMode:
        // The older program stored the toggled-up mode as any number below the first one.
        intOf(f, s) = parseInteger(line) <= f.range->min
                          ? f.range->min
                          : storedIndex(line, f.range->min + 1, f.range->max, "IME mode");
        return;
    case F::fillIndex: {
        const int stored = storedIndex(line, -(f.range->max + 1), f.range->max + 1, "fill colour");
        // 0 is what a box without a selection wrote; its custom entry is the sound reading.
        intOf(f, s) = stored == 0 ? kCustomColourItem : std::abs(stored) - 1;
        return;
    }
    case F::fillSign:
        // The fill index on the same line refuses what no box can show.
        boolOf(f, s) = parseInteger(line) < 0;
        return;
    case F::windowColourIndex: {
        // A colour of 0 means no custom colour was ever set; the default window is money green.
        // Read as a number, so "00" reloads as what it saves as.
        const FileLine colourLine = settingsField(&S::windowColor).*column;
        int colour = -1;
        const bool noCustom = colourLine && tryParseInteger(lines[*colourLine], colour) && colour == 0;
        intOf(f, s) = noCustom ? kMoneyGreenIndex : storedIndex(line, f.range->min, f.range->max, "window colour");
        return;
    }
    case F::twoDigits: intOf(f, s) = readTwoDigits(line); return;
    case F::continuousSlot: {
        if (line == "0") {
            intOf(f, s) = f.range->min;
            return;
        }
        int slot = 0;
        const bool isSlot = tryParseInteger(line, slot) && slot > f.range->min && slot < f.range->max;
        intOf(f, s) = isSlot ? slot : f.range->max;
        return;
    }
    case F::fontName:
        // "000" and "0" are what older files hold when no font was chosen.
        textOf(f, s) = line.empty() || line == "0" || line == "000" ? AnnotationSettings::defaultFontName() : line;
        return;
    case F::decimalText:
        // Kept as text: the writer converts it when the fixed length is used.
        textOf(f, s) = line;
        return;
    case F::imeDown:
        // Down keeps the mode the caption names; a button never pressed names the first.
        intOf(f, s) = storedFlag(line) ? std::max(intOf(f, s), f.range->min + 1) : f.range->min;
        return;
    }
}

std::optional<std::string> storedFieldLine(const SettingsField& f, const AnnotationSettings& s, FileColumn column)
{
    switch (storedForm(f, column)) {
    case F::index:
    case F::spinValue:
    case F::imeMode:
    case F::windowColourIndex:
    case F::continuousSlot: return indexLine(intOf(f, s), f.range->min, f.range->max, label(f));
    case F::flag:
    case F::numberFlag:
    case F::nonZeroFlag: return flagLine(boolOf(f, s));
    case F::colour: return std::to_string(intOf(f, s));
    case F::fillIndex: {
        indexLine(intOf(f, s), f.range->min, f.range->max, label(f));
        const int stored = intOf(f, s) + 1;
        return std::to_string(s.fillInside ? -stored : stored);
    }
    case F::fillSign: return std::nullopt;
    case F::twoDigits: {
        indexLine(intOf(f, s), f.range->min, f.range->max, label(f));
        const int value = intOf(f, s);
        return std::to_string(value / 10) + std::to_string(value % 10);
    }
    case F::fontName: {
        const std::string& font = textOf(f, s);
        return singleLine(font.empty() ? AnnotationSettings::defaultFontName() : font, label(f));
    }
    case F::decimalText: return singleLine(textOf(f, s), label(f));
    case F::imeDown:
        indexLine(intOf(f, s), f.range->min, f.range->max, label(f));
        return flagLine(intOf(f, s) > f.range->min);
    }
    return std::nullopt;
}

} // namespace tagler
