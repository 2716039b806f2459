#pragma once
#include "base/Prompts.h"

#include <string>
#include <vector>

namespace tagler {

// Several files of one folder failing together (a read-only folder) make one box, not one a file.
// While held, warnings are gathered; questions and information pass at once.
class HeldPrompts final : public Prompts {
public:
    explicit HeldPrompts(Prompts& inner) : inner_(inner) {}
    void hold() { held_ = true; }
    // Shows each different warning gathered once, in one box that names the folder.
    void release(const std::string& folder);

    void information(const std::string& text) override { inner_.information(text); }
    void warning(const std::string& text) override;
    bool question(const std::string& text) override { return inner_.question(text); }
    std::optional<std::string> chooseFolder(const std::string& root) override { return inner_.chooseFolder(root); }

private:
    Prompts& inner_;
    bool held_ = false;
    std::vector<std::string> gathered_;
};

} // namespace tagler
