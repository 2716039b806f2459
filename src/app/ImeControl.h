#pragma once

namespace tagler {

// The input-method modes the window asks for. dontCare leaves the IME as the
// user left it; closed turns it off.
enum class ImeMode { dontCare, closed, hiragana, katakanaFull, katakanaHalf, alphanumericFull };

// The platform's input method, behind a seam: the window asks, tests record.
class ImeControl {
public:
    virtual ~ImeControl() = default;
    virtual void setMode(ImeMode mode) = 0;
};

} // namespace tagler
