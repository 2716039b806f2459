#pragma once
#include <optional>
#include <string>
#include <vector>

// Starting the program the way the host does: in the exchange folder, with
// at most one argument, waiting until it has ended.
namespace tagler::host {

struct RunOutcome {
    enum class Status { Ended, FailedToStart, Crashed, TimedOut };
    Status status = Status::Ended;
    int exitCode = 0;
    bool executed = false; // jwc_temp.txt no longer begins with "hq"
    std::string message;   // why it did not start, crashed or timed out
};

inline constexpr int defaultRunTimeoutMs = 10 * 60 * 1000;

// The program's own output goes to ours. A relative path is taken from our
// working folder, a bare name from PATH. A program that runs past the timeout
// is killed.
RunOutcome runProgram(const std::string& program, const std::string& folder, const std::optional<std::string>& argument,
                      int timeoutMs = defaultRunTimeoutMs);
RunOutcome runProgram(const std::string& program, const std::string& folder, const std::vector<std::string>& arguments,
                      int timeoutMs = defaultRunTimeoutMs);

// The host's check after the wait: a first line still beginning "hq" means
// the program did not transform the file. A missing file counts as transformed
// into nothing.
bool exchangeFileUnprocessed(const std::string& folder);

} // namespace tagler::host
