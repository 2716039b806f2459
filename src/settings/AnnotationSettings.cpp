#include "settings/AnnotationSettings.h"

#include "base/CodePage.h"
#include "base/Number.h"

#include <array>
#include <functional>

namespace tagler {

std::string AnnotationSettings::defaultFontName() { return sjis("ＭＳ ゴシック"); }

int arrowHalfAngleDegrees(int index)
{
    static constexpr std::array<int, 10> degrees{8, 10, 12, 15, 20, 25, 30, 35, 40, 45};
    if (index < 0 || index >= static_cast<int>(degrees.size()))
        return degrees[3];
    return degrees[static_cast<std::size_t>(index)];
}

namespace {

struct IntField {
    const char* name;
    int AnnotationSettings::*member;
    int min;
    int max;
};

struct BoolField {
    const char* name;
    bool AnnotationSettings::*member;
};

const std::array<IntField, 31> kIntFields{{
    {"tipSymbol", &AnnotationSettings::tipSymbol, 0, 7},
    {"lineType", &AnnotationSettings::lineType, 0, 7},
    {"frameType", &AnnotationSettings::frameType, 0, 14},
    {"attachPosition", &AnnotationSettings::attachPosition, 0, 4},
    {"copyMode", &AnnotationSettings::copyMode, 0, 3},
    {"textType", &AnnotationSettings::textType, 0, 10},
    {"extensionLength", &AnnotationSettings::extensionLength, 0, 99},
    {"extensionLengthMode", &AnnotationSettings::extensionLengthMode, 0, 1},
    {"textSlide", &AnnotationSettings::textSlide, 0, 6},
    {"selectedPattern", &AnnotationSettings::selectedPattern, 0, 5},
    {"imeStartMode", &AnnotationSettings::imeStartMode, 0, 4},
    {"fontSwitch", &AnnotationSettings::fontSwitch, -128, 127},
    {"fillColor", &AnnotationSettings::fillColor, INT32_MIN, INT32_MAX},
    {"fillColorIndex", &AnnotationSettings::fillColorIndex, 0, 20},
    {"continuous", &AnnotationSettings::continuous, 0, 11},
    {"arrowLength", &AnnotationSettings::arrowLength, 1, 60},
    {"leaderColor", &AnnotationSettings::leaderColor, 0, 8},
    {"lineSpacing", &AnnotationSettings::lineSpacing, -9, 99},
    {"arrowColor", &AnnotationSettings::arrowColor, 0, 8},
    {"extensionColor", &AnnotationSettings::extensionColor, 0, 8},
    {"fillGap", &AnnotationSettings::fillGap, 0, 10},
    {"frameGapVertical", &AnnotationSettings::frameGapVertical, -9, 99},
    {"frameGapHorizontal", &AnnotationSettings::frameGapHorizontal, -9, 99},
    {"dotColor", &AnnotationSettings::dotColor, 0, 8},
    {"frameColor", &AnnotationSettings::frameColor, 0, 8},
    {"writeGroup", &AnnotationSettings::writeGroup, 0, 16},
    {"lineLayer", &AnnotationSettings::lineLayer, 0, 16},
    {"textLayer", &AnnotationSettings::textLayer, 0, 16},
    {"arrowAngle", &AnnotationSettings::arrowAngle, 0, 9},
    {"dotRadius", &AnnotationSettings::dotRadius, 0, 99},
    {"detectionRange", &AnnotationSettings::detectionRange, 0, 3},
}};

const std::array<IntField, 2> kColourFields{{
    {"windowColor", &AnnotationSettings::windowColor, INT32_MIN, INT32_MAX},
    {"windowColorIndex", &AnnotationSettings::windowColorIndex, 0, 20},
}};

const std::array<BoolField, 6> kBoolFields{{
    {"useEmbeddedText", &AnnotationSettings::useEmbeddedText},
    {"fillInside", &AnnotationSettings::fillInside},
    {"tiltFrame", &AnnotationSettings::tiltFrame},
    {"textCenterBase", &AnnotationSettings::textCenterBase},
    {"fixedLeaderLength", &AnnotationSettings::fixedLeaderLength},
    {"noFrameGap", &AnnotationSettings::noFrameGap},
}};

std::optional<std::string> setInt(AnnotationSettings& s, const IntField& f, std::string_view value)
{
    int v = 0;
    if (!tryParseInteger(value, v) || v < f.min || v > f.max)
        return "bad value '" + std::string(value) + "' for " + f.name + " (" + std::to_string(f.min) + ".." +
               std::to_string(f.max) + ")";
    s.*f.member = v;
    return std::nullopt;
}

} // namespace

std::optional<std::string> setSettingsField(AnnotationSettings& s, std::string_view name, std::string_view value)
{
    for (const auto& f : kIntFields)
        if (name == f.name)
            return setInt(s, f, value);
    for (const auto& f : kColourFields)
        if (name == f.name)
            return setInt(s, f, value);
    for (const auto& f : kBoolFields) {
        if (name != f.name)
            continue;
        if (value != "0" && value != "1")
            return "bad value '" + std::string(value) + "' for " + f.name + " (0 or 1)";
        s.*f.member = value == "1";
        return std::nullopt;
    }
    if (name == "chosenFontName") {
        s.chosenFontName = sjis(value);
        return std::nullopt;
    }
    if (name == "rememberedLeaderLength") {
        try {
            parseDecimal(value);
        } catch (...) {
            return "bad value '" + std::string(value) + "' for rememberedLeaderLength";
        }
        s.rememberedLeaderLength = std::string(value);
        return std::nullopt;
    }
    return "unknown field '" + std::string(name) + "'";
}

std::vector<std::string> settingsFieldNames()
{
    std::vector<std::string> names;
    for (const auto& f : kIntFields)
        names.emplace_back(f.name);
    for (const auto& f : kColourFields)
        names.emplace_back(f.name);
    for (const auto& f : kBoolFields)
        names.emplace_back(f.name);
    names.emplace_back("chosenFontName");
    names.emplace_back("rememberedLeaderLength");
    return names;
}

} // namespace tagler
