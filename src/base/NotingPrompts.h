#pragma once
#include "base/Prompts.h"

namespace tagler {

// Passes every prompt on and notes whether a message was shown, so a caller
// can tell a clean run from one that spoke.
class NotingPrompts final : public Prompts {
public:
    NotingPrompts(Prompts& inner, bool& shown) : inner_(inner), shown_(shown) {}
    void information(const std::string& text) override
    {
        shown_ = true;
        inner_.information(text);
    }
    void warning(const std::string& text) override
    {
        shown_ = true;
        inner_.warning(text);
    }
    bool question(const std::string& text) override { return inner_.question(text); }
    std::optional<std::string> chooseFolder(const std::string& root) override { return inner_.chooseFolder(root); }

private:
    Prompts& inner_;
    bool& shown_;
};

} // namespace tagler
