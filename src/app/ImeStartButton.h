#pragma once
#include "app/ImeControl.h"

#include <string>

// The toggle that picks the input mode the annotation box starts in. Its
// caption names the mode; the stored value (PLDATA line 14) is that mode's
// number while the button is down and 0 while it is up.
namespace tagler {

inline constexpr int kImeModeCount = 4; // 1 ひらがな … 4 全角英数

struct ImeStartButton {
    bool down = false;
    int mode = 1; // the mode the caption names, 1..4, kept while the button is up

    int storedValue() const { return down ? mode : 0; }
    friend bool operator==(const ImeStartButton&, const ImeStartButton&) = default;
};

ImeMode imeModeFor(int mode);
std::string imeCaption(int mode); // UTF-8: "日本語ひら" …

// At start: a stored mode 1..4 presses the button and asks for that mode.
ImeStartButton imeButtonAtStart(int storedValue, ImeControl& ime);
// Left click: down asks for the caption's mode, up closes the input method.
ImeStartButton clickImeButton(ImeStartButton button, ImeControl& ime);
// Right button: while down, the next mode of the cycle (4 wraps to 1); while up, nothing.
ImeStartButton advanceImeButton(ImeStartButton button, ImeControl& ime);

} // namespace tagler
