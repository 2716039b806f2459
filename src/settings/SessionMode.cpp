#include "settings/SessionMode.h"

namespace tagler {

SessionMode sessionModeFromArgument(std::string_view a)
{
    if (a == "T1" || a == "t1")
        return SessionMode::importText;
    if (a == "T2" || a == "t2")
        return SessionMode::frameWrite1;
    if (a == "T3" || a == "t3")
        return SessionMode::frameWrite2;
    if (a == "T4" || a == "t4")
        return SessionMode::textMode;
    if (a == "T5" || a == "t5")
        return SessionMode::fourPoint;
    return SessionMode::normal;
}

const char* sessionModeArgument(SessionMode mode)
{
    switch (mode) {
    case SessionMode::importText: return "T1";
    case SessionMode::frameWrite1: return "T2";
    case SessionMode::frameWrite2: return "T3";
    case SessionMode::textMode: return "T4";
    case SessionMode::fourPoint: return "T5";
    case SessionMode::normal: break;
    }
    return "";
}

} // namespace tagler
