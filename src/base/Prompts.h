#pragma once
#include <optional>
#include <string>

namespace tagler {

// The boxes the program shows; texts are UTF-8. The window implements them
// with message boxes, the batch program on stderr, tests with a recorder.
class Prompts {
public:
    virtual ~Prompts() = default;
    virtual void information(const std::string& text) = 0;
    virtual void warning(const std::string& text) = 0;
    virtual bool question(const std::string& text) = 0;
    // A folder below root, or nothing when the user cancels.
    virtual std::optional<std::string> chooseFolder(const std::string& root) = 0;
};

} // namespace tagler
