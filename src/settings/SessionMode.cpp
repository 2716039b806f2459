#include "settings/SessionMode.h"

namespace tagler {

namespace {

constexpr std::size_t pointsRead(HeaderLayout layout)
{
    switch (layout) {
    case HeaderLayout::points: return 3;
    case HeaderLayout::textMode: return 2;
    case HeaderLayout::fourPoint: return 4;
    case HeaderLayout::selection: return 0;
    }
    return 0;
}

constexpr bool tableIsSound()
{
    for (const SessionModeTraits& t : session_modes::kTraits) {
        if (t.framesExistingText && !t.handsOverSelection)
            return false;
        if ((t.header == HeaderLayout::selection) != t.handsOverSelection)
            return false;
        // Framing modes are exactly those whose completion frames; only annotations draw a leader.
        const bool frames = t.completion == Completion::frameAll || t.completion == Completion::frameEach;
        if (frames != t.framesExistingText || (t.completion == Completion::annotation) == t.handsOverSelection)
            return false;
        if ((t.drawsLeader || t.textOnly) != (t.completion == Completion::annotation) ||
            (t.drawsLeader && t.textOnly) || (t.bendsLeader && !t.drawsLeader) ||
            t.bendsLeader != (t.header == HeaderLayout::fourPoint) ||
            t.textOnly != (t.header == HeaderLayout::textMode))
            return false;
        // The batch asks for exactly the points the header reader takes, each once.
        if (t.points.size() != pointsRead(t.header) || (t.selectionPrompt[0] != '\0') != t.handsOverSelection)
            return false;
        int seen = 0;
        for (const AskedPoint& p : t.points) {
            if (p.fills < 1 || p.fills > 4 || (seen & (1 << p.fills)) || p.prompt[0] == '\0')
                return false;
            seen |= 1 << p.fills;
        }
    }
    return session_modes::kTraits[0].argument[0] == '\0';
}
static_assert(tableIsSound(), "a mode that frames existing text hands over a selection, and reads no points; a "
                              "batch asks for the points its header is read for");

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
