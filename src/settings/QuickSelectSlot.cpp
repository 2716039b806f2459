#include "settings/QuickSelectSlot.h"

#include "base/Error.h"
#include "settings/SettingsFields.h"
#include "settings/StoredValues.h"

namespace tagler {

namespace {

constexpr std::size_t kPageLine = 4;
constexpr int kLastPage = 20;
// What the older program wrote on the lines no field uses.
const char* const kReserved = "000";

} // namespace

std::string slotFileName(int slot) { return "PSDATA" + std::to_string(slot) + ".tx"; }

bool slotAccepted(const Lines& lines) { return lines.size() == kSlotLineCount; }

Lines slotLines(const AnnotationSettings& settings, int currentPage)
{
    Lines lines(kSlotLineCount, kReserved);
    lines[kPageLine] = indexLine(currentPage, 1, kLastPage, "page");
    for (const SettingsField& f : settingsFields())
        if (f.slotLine)
            if (auto stored = storedFieldLine(f, settings, &SettingsField::slotLine))
                lines[*f.slotLine] = std::move(*stored);
    return lines;
}

void applySlotLines(const Lines& lines, AnnotationSettings& settings)
{
    if (!slotAccepted(lines))
        fail(ErrorKind::Range, "a slot has " + std::to_string(lines.size()) + " lines");
    AnnotationSettings s = settings;
    for (const SettingsField& f : settingsFields())
        if (f.slotLine)
            readStoredField(f, lines, &SettingsField::slotLine, s);
    settings = std::move(s);
}

} // namespace tagler
