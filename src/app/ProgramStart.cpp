#include "app/ProgramStart.h"

#include "app/Messages.h"
#include "base/Cp932Codec.h"

#include <csignal>
#include <cstdio>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace tagler {

void useBinaryStandardStreams()
{
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
}

void ignoreFileSizeSignal()
{
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

std::optional<std::string> codePageProblem()
{
    if (cp932::available())
        return std::nullopt;
    return std::string(messages::kNoCodePage);
}

} // namespace tagler
