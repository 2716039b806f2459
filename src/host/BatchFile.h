#pragma once
#include "settings/SessionMode.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A batch file as the host reads it before it runs it: the description its
// 外部変形 dialog lists, the directives in the REM lines, and the program line.
namespace tagler::host {

struct BatchDirective {
    int line = 0;     // 1-based
    std::string name; // after '#' up to the first blank, lower case: "jww", "3-", "h3"
    std::string text; // the rest, CP932: a prompt
};

struct BatchFile {
    std::string description; // CP932; empty when the first line is no REM comment
    std::vector<BatchDirective> directives;
    // REM lines whose '#' stands too far in for the host to take them as directives.
    std::vector<int> farDirectiveLines;
    // Directives after "#e" or the program line, which the host no longer reads.
    std::vector<int> lateDirectiveLines;
    bool ended = false;  // "#e" met: later REM lines are comments
    int programLine = 0; // 1-based; 0 when there is none
    std::string program; // the program line's first word, quotes removed
    std::vector<std::string> arguments;
};

// The host looks for '#' within a REM line's first bytes.
inline constexpr std::size_t directiveReach = 10;

// Lines end in CR LF, CR or LF, as cmd takes them.
BatchFile readBatch(std::string_view bytes);

// A numbered point directive ("3" or "3-"): its number, or 0.
int pointNumber(const BatchDirective& d);
bool isRubberBand(const BatchDirective& d);
bool hasDirective(const BatchFile& batch, std::string_view name);

// The mode the program line starts, as the program reads its argument.
SessionMode batchMode(const BatchFile& batch);

// The batch file of a mode, CP932 with CR LF, as it is shipped.
std::string modeBatchText(SessionMode mode);

} // namespace tagler::host
