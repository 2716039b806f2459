#include "app/ImeStartButton.h"

#include <array>

namespace tagler {

namespace {

struct ModeEntry {
    ImeMode ime;
    const char* caption;
};

constexpr std::array<ModeEntry, kImeModeCount> kModes{{
    {ImeMode::hiragana, "日本語ひら"},
    {ImeMode::katakanaFull, "日本語全カナ"},
    {ImeMode::katakanaHalf, "日本語半カナ"},
    {ImeMode::alphanumericFull, "日本語全英数"},
}};

// A value outside the cycle shows the first mode rather than failing: the
// caption must always name something the user can click through.
const ModeEntry& entry(int mode)
{
    if (mode < 1 || mode > kImeModeCount)
        mode = 1;
    return kModes[static_cast<std::size_t>(mode - 1)];
}

} // namespace

ImeMode imeModeFor(int mode) { return entry(mode).ime; }
std::string imeCaption(int mode) { return entry(mode).caption; }

ImeStartButton imeButtonAtStart(int storedValue, ImeControl& ime)
{
    ImeStartButton b;
    if (storedValue >= 1 && storedValue <= kImeModeCount) {
        b.down = true;
        b.mode = storedValue;
        ime.setMode(imeModeFor(b.mode));
    }
    return b;
}

ImeStartButton clickImeButton(ImeStartButton button, ImeControl& ime)
{
    button.down = !button.down;
    ime.setMode(button.down ? imeModeFor(button.mode) : ImeMode::closed);
    return button;
}

ImeStartButton advanceImeButton(ImeStartButton button, ImeControl& ime)
{
    if (!button.down)
        return button;
    button.mode = button.mode % kImeModeCount + 1;
    ime.setMode(imeModeFor(button.mode));
    return button;
}

} // namespace tagler
