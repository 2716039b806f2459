#include "settings/SessionMode.h"

namespace tagler {

namespace {

constexpr bool tableIsSound()
{
    for (const SessionModeTraits& t : session_modes::kTraits) {
        if (t.framesExistingText && !t.handsOverSelection)
            return false;
        if ((t.header == HeaderLayout::selection) != t.handsOverSelection)
            return false;
    }
    return session_modes::kTraits[0].argument[0] == '\0';
}
static_assert(tableIsSound(), "a mode that frames existing text hands over a selection, and reads no points");

} // namespace

SessionMode sessionModeFromArgument(std::string_view a)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (int i = 0; i < kSessionModeCount; ++i) {
        const std::string_view name = session_modes::kTraits[static_cast<std::size_t>(i)].argument;
        if (name.empty() || a.size() != name.size())
            continue;
        bool same = true;
        for (std::size_t k = 0; k < a.size(); ++k)
            same = same && lower(a[k]) == lower(name[k]);
        if (same)
            return static_cast<SessionMode>(i);
    }
    return SessionMode::normal;
}

} // namespace tagler
