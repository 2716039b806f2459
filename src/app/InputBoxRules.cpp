#include "app/InputBoxRules.h"

#include "app/InputText.h"

#include <algorithm>

namespace tagler {

namespace {

// One character: two UTF-16 units for a surrogate pair.
int unitsAt(const QString& text, int i)
{
    return text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
}

// Byte length of one character in CP932, or 0 when the gate refuses it (and says why).
int cp932Bytes(QStringView character, std::optional<Refusal>& refused)
{
    GatedText gated = passTextGate(character.toString());
    refused = gated.refused;
    return gated.refused ? 0 : static_cast<int>(gated.bytes.size());
}

void addRemoval(std::vector<TextRange>& removals, int start, int end)
{
    if (!removals.empty() && removals.back().end == start)
        removals.back().end = end;
    else
        removals.push_back({start, end});
}

int removedBefore(const std::vector<TextRange>& removals, int position)
{
    int removed = 0;
    for (const TextRange& r : removals)
        removed += std::clamp(position, r.start, r.end) - r.start;
    return removed;
}

} // namespace

InputBoxCorrection correctInputBox(const QString& text, int caret)
{
    InputBoxCorrection c;
    int caretLine = 0;
    int caretColumn = 0;
    int lineStart = 0;
    for (int line = 0; lineStart <= text.size(); ++line) {
        int lineEnd = text.indexOf(QLatin1Char('\n'), lineStart);
        if (lineEnd < 0)
            lineEnd = static_cast<int>(text.size());
        if (caret >= lineStart && caret <= lineEnd) {
            caretLine = line;
            caretColumn = caret - lineStart;
        }
        if (line == kInputMaxLines) {
            // The break that ended the fifth line goes with the lines after it.
            addRemoval(c.removals, lineStart - 1, static_cast<int>(text.size()));
            break;
        }
        int bytes = 0;
        for (int i = lineStart; i < lineEnd;) {
            const int units = unitsAt(text, i);
            std::optional<Refusal> refused;
            const int size = cp932Bytes(QStringView(text).mid(i, units), refused);
            if (size == 0) {
                if (!c.refused)
                    c.refused = Refusal{refused->character, i, refused->reason};
                addRemoval(c.removals, i, i + units);
            } else if (bytes + size > kInputMaxLineBytes) {
                addRemoval(c.removals, i, lineEnd);
                break;
            } else {
                bytes += size;
            }
            i += units;
        }
        lineStart = lineEnd + 1;
    }

    const QString result = applyRemovals(text, c.removals);
    if (caretLine < kInputMaxLines) {
        c.caret = caret - removedBefore(c.removals, caret);
    } else {
        int fifthStart = 0;
        for (int line = 0; line < kInputMaxLines - 1; ++line)
            fifthStart = static_cast<int>(result.indexOf(QLatin1Char('\n'), fifthStart)) + 1;
        const int fifthLength = static_cast<int>(result.size()) - fifthStart;
        c.caret = fifthStart + std::min(caretColumn, fifthLength);
    }
    return c;
}

QString applyRemovals(QString text, const std::vector<TextRange>& removals)
{
    for (auto r = removals.rbegin(); r != removals.rend(); ++r)
        text.remove(r->start, r->end - r->start);
    return text;
}

bool withinLineLimit(const QString& text) { return text.count(QLatin1Char('\n')) < kInputMaxLines; }

AcceptedInput acceptableInput(const QString& text)
{
    AcceptedInput accepted;
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (QChar& ch : unified)
        if (ch == QLatin1Char('\r') || ch == QChar::LineSeparator || ch == QChar::ParagraphSeparator)
            ch = QLatin1Char('\n');
    accepted.text.reserve(unified.size());
    for (int i = 0; i < unified.size();) {
        const int units = unitsAt(unified, i);
        const QStringView character = QStringView(unified).mid(i, units);
        std::optional<Refusal> refused;
        if (character == u"\n" || cp932Bytes(character, refused) > 0)
            accepted.text += character;
        else if (!accepted.refused)
            accepted.refused = Refusal{refused->character, i, refused->reason};
        i += units;
    }
    return accepted;
}

bool typesText(const QString& keyText)
{
    return std::any_of(keyText.cbegin(), keyText.cend(), [](QChar c) { return c.category() != QChar::Other_Control; });
}

} // namespace tagler
