#pragma once
#include "base/Prompts.h"

#include <QStringList>

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace tagler {

// tagler-batch [T1|..|t5] [--text FILE] [--set FIELD=VALUE]... [--now YYYY-MM-DDTHH:MM:SS]
struct BatchOptions {
    std::string modeArgument;
    std::optional<std::string> textFile;
    std::vector<std::pair<std::string, std::string>> sets;
    std::optional<std::string> now;
};

// A usage error's text, or the options.
struct ParsedBatchOptions {
    BatchOptions options;
    std::optional<std::string> usageError;
    std::optional<std::string> notice; // a word that is no mode: said, then the normal mode
    bool help = false;
    bool version = false;
    bool listFields = false;
};

inline constexpr const char* kBatchUsageText =
    "usage: tagler-batch [T1|T2|T3|T4|T5|t1..t5] [--text FILE] [--set FIELD=VALUE]... "
    "[--now YYYY-MM-DDTHH:MM:SS] [--list-fields] [--help] [--version]\n";
inline constexpr const char* kBatchStreamsText =
    "Messages go to stderr, imported texts (T1) to stdout: in UTF-8, or in the console's own code page\n"
    "where a Windows console shows them.\n";
// `args` omits the program's name.
ParsedBatchOptions parseBatchOptions(const QStringList& args);

inline constexpr int kBatchWritten = 0;
inline constexpr int kBatchMessageShown = 1;
inline constexpr int kBatchUsage = 2;

struct BatchOutput {
    std::ostream& imported; // importing text (T1): the imported lines, UTF-8, one a line
    std::ostream& notices;  // what the input box would have cut from the text file
};

// The session from start-up to completion in `folder`, without a window.
int runBatch(const std::string& folder, const BatchOptions& options, Prompts& prompts, const BatchOutput& output,
             std::string& usageError);

} // namespace tagler
