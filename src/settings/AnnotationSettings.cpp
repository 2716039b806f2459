#include "settings/AnnotationSettings.h"

#include "base/CodePage.h"
#include "base/Number.h"
#include "base/TextGate.h"
#include "settings/SettingsFields.h"

#include <array>

namespace tagler {

std::string AnnotationSettings::defaultFontName() { return sjis("ＭＳ ゴシック"); }

int arrowHalfAngleDegrees(int index)
{
    static constexpr std::array<int, 10> degrees{8, 10, 12, 15, 20, 25, 30, 35, 40, 45};
    // An index no list holds draws the default angle.
    if (index < 0 || index >= static_cast<int>(degrees.size()))
        index = AnnotationSettings{}.arrowAngle;
    return degrees[static_cast<std::size_t>(index)];
}

std::optional<std::string> setSettingsField(AnnotationSettings& s, std::string_view name, std::string_view value)
{
    const SettingsField* f = findSettingsField(name);
    if (!f)
        return "unknown field '" + std::string(name) + "'";
    const std::string bad = "bad value '" + std::string(value) + "' for " + f->name;
    if (const auto* member = std::get_if<int AnnotationSettings::*>(&f->member)) {
        int v = 0;
        if (!tryParseInteger(value, v) || v < f->range->min || v > f->range->max)
            return bad + " (" + std::to_string(f->range->min) + ".." + std::to_string(f->range->max) + ")";
        s.** member = v;
        return std::nullopt;
    }
    if (const auto* member = std::get_if<bool AnnotationSettings::*>(&f->member)) {
        if (value != "0" && value != "1")
            return bad + " (0 or 1)";
        s.** member = value == "1";
        return std::nullopt;
    }
    const auto member = std::get<std::string AnnotationSettings::*>(f->member);
    // A line break or control character would end the stored line or the record early.
    const GatedText gated = passTextGate(QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
    if (gated.refused)
        return bad + " (" + refusalNote(*gated.refused) + ")";
    const std::string& text = gated.bytes;
    if (text.find_first_of("\t\r\n") != std::string::npos)
        return bad + " (no line breaks)";
    if (f->form == StoredForm::decimalText) {
        try {
            parseDecimal(value);
        } catch (...) {
            return bad;
        }
        s.*member = std::string(value);
        return std::nullopt;
    }
    s.*member = text;
    return std::nullopt;
}

} // namespace tagler
