#pragma once
#include "settings/SessionMode.h"

#include <QStringList>

#include <optional>
#include <string>

namespace tagler {

// The window program's command line: at most one mode argument as the host passes it.
struct ProgramArguments {
    SessionMode mode = SessionMode::normal;
    bool help = false;
    bool version = false;
    std::optional<std::string> usageError;
    std::optional<std::string> notice; // an argument that is no mode: said, then the normal mode
};

// Read before the application opens a display, so Qt's own window options are taken too
// (and left for the application to act on). `args` omits the program's name.
ProgramArguments parseProgramArguments(const QStringList& args);

inline constexpr const char* kProgramUsage =
    "usage: tagler [T1|T2|T3|T4|T5] [--help] [--version]\n"
    "  T1 取込, T2 枠書込１, T3 枠書込２, T4 文字モード, T5 4点 (either case);\n"
    "  started by the host in the folder of jwc_temp.txt\n";

} // namespace tagler
