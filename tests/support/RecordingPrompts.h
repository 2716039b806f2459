#pragma once
#include "base/Prompts.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace tagler::test {

// Remembers every box in order as "info: text", "warning: text" or
// "question: text", so a test compares the whole sequence with its kinds.
class RecordingPrompts final : public Prompts {
public:
    void information(const std::string& text) override { shown.push_back("info: " + text); }
    void warning(const std::string& text) override { shown.push_back("warning: " + text); }
    bool question(const std::string& text) override
    {
        shown.push_back("question: " + text);
        if (whileAsking)
            whileAsking();
        return answer;
    }
    std::optional<std::string> chooseFolder(const std::string&) override { return folder; }

    // Whether a box of any kind showed text.
    bool saw(const std::string& text) const
    {
        return std::any_of(shown.begin(), shown.end(), [&](const std::string& s) {
            return s == "info: " + text || s == "warning: " + text || s == "question: " + text;
        });
    }

    std::vector<std::string> shown;
    bool answer = false;               // what every question is answered
    std::optional<std::string> folder; // what every folder choice returns
    std::function<void()> whileAsking; // runs while a question is open, as its box would
};

} // namespace tagler::test
