#pragma once
#include "host/ExchangeHeader.h"

#include <QStringList>

#include <optional>
#include <string>
#include <vector>

// The arguments of tagler-host's commands. A wrong argument is a range or
// conversion error whose text says what is wrong.
namespace tagler::host {

// new and select: what to hand over, and where.
struct NewCommand {
    std::string folder;
    HeaderRequest request;
    std::optional<std::string> recordsFile; // T1..T3: the selection, UTF-8
    // Given a batch file, the mode and the points asked come from its directives.
    std::optional<std::string> batchFile;
    std::vector<render::Point> points; // --point, in the order the batch asks
};

struct RunCommand {
    std::string folder;
    std::optional<std::string> argument;
    std::optional<std::string> program;   // default: tagler beside tagler-host
    std::optional<std::string> batchFile; // start what it starts, then draw the records
    std::optional<std::string> out;       // the picture; default jwc_temp.png in the folder
};

struct RenderCommand {
    std::string recordFile;
    std::string out;
    std::optional<std::string> header; // default: jwc_temp.hdr beside the record file
};

// Each takes the arguments after the command's name.
NewCommand parseNewCommand(const QStringList& args);
NewCommand parseSelectCommand(const QStringList& args); // new --mode T1..T3 --records by the host's name
RunCommand parseRunCommand(const QStringList& args);
RenderCommand parseRenderCommand(const QStringList& args);

extern const char* const hostUsage;

} // namespace tagler::host
