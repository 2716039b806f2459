#pragma once
#include <optional>
#include <string>

// What every program checks or sets before it reads a file.
namespace tagler {

// The standard streams carry bytes as they are (UTF-8 text, LF line ends) on
// every system: Windows would otherwise add a CR to every line.
void useBinaryStandardStreams();

// A file-size limit (ulimit -f) fails the write that meets it, which reports it and keeps
// the old file, instead of ending the program with SIGXFSZ before anything is said.
void ignoreFileSizeSignal();

// The message for a system without a CP932 converter, where every data file
// would otherwise read as empty text; nullopt when it has one.
std::optional<std::string> codePageProblem();

} // namespace tagler
