#pragma once
#include "base/TextGate.h"

#include <QString>
#include <optional>
#include <vector>

// The annotation box's limits on the text as the user edits it: only
// characters the code page can hold, at most five lines, at most 70 bytes
// a line. Five lines of 70 bytes are the 350 bytes the box holds in all;
// the line breaks between them are not counted.
namespace tagler {

struct TextRange {
    int start;
    int end; // exclusive
    friend bool operator==(const TextRange&, const TextRange&) = default;
};

struct InputBoxCorrection {
    std::vector<TextRange> removals; // ascending, disjoint; empty when the text obeys the limits
    int caret = 0;                   // where the caret belongs once they are removed
    std::optional<Refusal> refused;  // the first character the text gate refused
};

// Lines are separated by '\n'; caret is a position in text. Everything the
// rules take away is a removal (a character with no CP932 form, the tail of a
// line past 70 bytes, every line after the fifth), so the box can apply them
// as one undoable edit. A caret that was below the fifth line returns to the
// fifth line in the same column.
InputBoxCorrection correctInputBox(const QString& text, int caret);

QString applyRemovals(QString text, const std::vector<TextRange>& removals);

// Whether text still fits the five lines, e.g. after a typed line break.
bool withinLineLimit(const QString& text);

struct AcceptedInput {
    QString text;
    std::optional<Refusal> refused; // the first character dropped; its position is in the text with '\n' breaks
};

// Line breaks of every platform become '\n'; characters the text gate refuses
// are dropped. What keys, paste, drop and input-method commits pass through.
AcceptedInput acceptableInput(const QString& text);

// Keys that type nothing (Backspace, Delete, Ctrl+C and the other editing keys) carry control
// characters as their event text under X11; only what would be typed is held to the refusals.
bool typesText(const QString& keyText);

} // namespace tagler
