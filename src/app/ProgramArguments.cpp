#include "app/ProgramArguments.h"

namespace tagler {

ProgramArguments parseProgramArguments(const std::vector<std::string>& args)
{
    ProgramArguments p;
    bool modeSeen = false;
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") {
            p.help = true;
        } else if (a == "--version") {
            p.version = true;
        } else if (a.rfind("-", 0) == 0) {
            p.usageError = "unknown option " + a;
        } else if (modeSeen) {
            p.usageError = "unexpected argument " + a;
        } else {
            modeSeen = true;
            p.mode = sessionModeFromArgument(a);
            if (p.mode == SessionMode::normal)
                p.notice = "'" + a + "' is no mode; starting in the normal mode";
        }
    }
    return p;
}

} // namespace tagler
