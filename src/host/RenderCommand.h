#pragma once
#include "host/HostCommandLine.h"
#include "host/ProgramRun.h"

#include <string>

// tagler-host's render command, and what run says of the program's end.
namespace tagler::host {

// Draws a hand-over or a processed exchange file into a picture; returns the exit code.
int renderFile(const RenderCommand& c);

// How the program ended, as the host would say it, and the exit code for it:
// a file still beginning with "hq" is not executed (未実行).
int reportRun(const RunOutcome& outcome, const std::string& program);

} // namespace tagler::host
