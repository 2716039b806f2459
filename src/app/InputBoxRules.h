#pragma once
#include <QString>
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

// Line breaks of every platform become '\n'; characters with no CP932 form
// are dropped. What paste, drop and input-method commits pass through.
QString acceptableInput(const QString& text);

} // namespace tagler
