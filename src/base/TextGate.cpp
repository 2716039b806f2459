#include "base/TextGate.h"

#include "base/CodePage.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace tagler {

namespace {

struct CompatibilityForm {
    char16_t typed;
    char16_t held; // the code point CP932's own table gives the same character
};

// The pairs where JIS X 0208 (and, for ¦, JIS X 0212) map to Unicode otherwise
// than CP932 does. The yen sign and overline of JIS X 0201 are not here: CP932's
// 5C and 7E read back as backslash and tilde, another character on every system
// but the host's own fonts.
constexpr CompatibilityForm kCompatibilityForms[] = {
    {u'\u301C', u'\uFF5E'}, // 〜 wave dash: 81 60
    {u'\u2016', u'\u2225'}, // ‖ double vertical line: 81 61
    {u'\u2212', u'\uFF0D'}, // − minus sign: 81 7C
    {u'\u00A2', u'\uFFE0'}, // ¢: 81 91
    {u'\u00A3', u'\uFFE1'}, // £: 81 92
    {u'\u00AC', u'\uFFE2'}, // ¬: 81 CA
    {u'\u2014', u'\u2015'}, // — em dash: 81 5C
    {u'\u00A6', u'\uFFE4'}, // ¦ broken bar: FA 55
};

QString inCp932Forms(QString text)
{
    for (QChar& c : text) {
        const auto* form = std::find_if(std::begin(kCompatibilityForms), std::end(kCompatibilityForms),
                                        [&](const CompatibilityForm& f) { return f.typed == c.unicode(); });
        if (form != std::end(kCompatibilityForms))
            c = QChar(form->held);
    }
    return text;
}

std::optional<RefusalReason> reasonToRefuse(QStringView character)
{
    if (character.size() == 1 && isRefusedControl(character.front()))
        return RefusalReason::controlCharacter;
    if (character == QStringView(u"\uFFFD"))
        return RefusalReason::lostCharacter;
    if (!toCp932Strict(character.toString()))
        return RefusalReason::noCp932Form;
    return std::nullopt;
}

QString shownCharacter(const Refusal& r)
{
    const QString code = QStringLiteral("U+%1").arg(static_cast<uint>(r.character), 4, 16, QLatin1Char('0')).toUpper();
    if (r.reason == RefusalReason::controlCharacter)
        return QStringLiteral("制御文字 %1").arg(code);
    return QStringLiteral("「%1」(%2)").arg(QString::fromUcs4(&r.character, 1), code);
}

} // namespace

bool isRefusedControl(QChar c)
{
    const char16_t u = c.unicode();
    return (u < 0x20 && u != '\t' && u != '\n' && u != '\r') || u == 0x7F || (u >= 0x80 && u < 0xA0);
}

GatedText passTextGate(const QString& text)
{
    const QString held = inCp932Forms(text);
    const bool plain = std::none_of(held.begin(), held.end(),
                                    [](QChar c) { return isRefusedControl(c) || c == QChar::ReplacementCharacter; });
    if (plain)
        if (std::optional<std::string> bytes = toCp932Strict(held))
            return {std::move(*bytes), std::nullopt};
    // Something is refused: character by character, to say which.
    GatedText gated;
    for (qsizetype i = 0; i < held.size();) {
        const qsizetype units =
            held.at(i).isHighSurrogate() && i + 1 < held.size() && held.at(i + 1).isLowSurrogate() ? 2 : 1;
        const QStringView character = QStringView(held).mid(i, units);
        if (const auto reason = reasonToRefuse(character)) {
            const char32_t code =
                units == 2 ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1)) : text.at(i).unicode();
            gated.bytes.clear();
            gated.refused = Refusal{code, i, *reason};
            return gated;
        }
        gated.bytes += *toCp932Strict(character.toString());
        i += units;
    }
    return gated;
}

std::optional<std::string> toCp932Text(const QString& text)
{
    GatedText gated = passTextGate(text);
    if (gated.refused)
        return std::nullopt;
    return std::move(gated.bytes);
}

QString refusalMessage(const Refusal& r)
{
    switch (r.reason) {
    case RefusalReason::noCp932Form:
        return shownCharacter(r) + QStringLiteral(" はシフトJIS（CP932）にない文字のため、使えません。");
    case RefusalReason::controlCharacter:
        return shownCharacter(r) + QStringLiteral(" は行や記録を途中で切るため、使えません。");
    case RefusalReason::lostCharacter:
        return shownCharacter(r) + QStringLiteral(" は読めなかった文字の印のため、使えません。");
    }
    return {};
}

std::string refusalNote(const Refusal& r)
{
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(r.character));
    const std::string shown = QString::fromUcs4(&r.character, 1).toStdString();
    switch (r.reason) {
    case RefusalReason::noCp932Form: return "'" + shown + "' (" + code + ") has no CP932 form";
    case RefusalReason::controlCharacter:
        return std::string("control character ") + code + " would end or split a line";
    case RefusalReason::lostCharacter: return std::string("U+FFFD marks a character lost before it came here");
    }
    return {};
}

} // namespace tagler
