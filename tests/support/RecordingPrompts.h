#pragma once
#include "app/Prompts.h"

#include <string>
#include <vector>

namespace tagler::test {

// Remembers every box in order as "info: text" or "warning: text".
class RecordingPrompts final : public Prompts {
public:
    void information(const std::string& text) override { shown.push_back("info: " + text); }
    void warning(const std::string& text) override { shown.push_back("warning: " + text); }
    bool question(const std::string& text) override
    {
        shown.push_back("question: " + text);
        return answer;
    }
    std::optional<std::string> chooseFolder(const std::string&) override { return folder; }

    std::vector<std::string> shown;
    bool answer = false;
    std::optional<std::string> folder;
};

} // namespace tagler::test
