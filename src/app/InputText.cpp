#include "app/InputText.h"

#include "base/CodePage.h"
#include "base/TextGate.h"

namespace tagler {

Lines applyInputBoxRules(Lines lines)
{
    if (lines.size() > static_cast<std::size_t>(kInputMaxLines))
        lines.resize(static_cast<std::size_t>(kInputMaxLines));
    for (std::string& line : lines)
        line = cutToBytes(line, static_cast<std::size_t>(kInputMaxLineBytes));
    return lines;
}

std::optional<Lines> inputLinesFromText(const QString& text)
{
    const auto bytes = toCp932Text(text);
    if (!bytes)
        return std::nullopt;
    return applyInputBoxRules(splitLines(*bytes));
}

} // namespace tagler
