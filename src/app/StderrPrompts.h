#pragma once
#include "base/Prompts.h"

namespace tagler {

// Prompts for the batch program: one message a line on stderr ("\r\n" inside a
// message is printed as a line break), questions answered no, no folder chosen.
class StderrPrompts final : public Prompts {
public:
    void information(const std::string& text) override;
    void warning(const std::string& text) override;
    bool question(const std::string& text) override;
    std::optional<std::string> chooseFolder(const std::string& root) override;
};

} // namespace tagler
