#pragma once
#include "app/ImeControl.h"

#include <vector>

namespace tagler {

// Qt offers no portable way to switch an input method's conversion mode, so
// this records what the window asked for; a platform build can act on it.
class QtImeControl final : public ImeControl {
public:
    void setMode(ImeMode mode) override { requested_.push_back(mode); }

    const std::vector<ImeMode>& requested() const { return requested_; }
    ImeMode current() const { return requested_.empty() ? ImeMode::dontCare : requested_.back(); }

private:
    std::vector<ImeMode> requested_;
};

} // namespace tagler
