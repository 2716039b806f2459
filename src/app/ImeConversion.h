#pragma once
#include "app/ImeControl.h"

#include <optional>

namespace tagler {

// What a mode asks of an input method that has an open state and conversion
// flags (as the Windows one has): native means kana rather than alphanumeric.
struct ImeConversion {
    bool open = false;
    bool native = false;
    bool katakana = false;
    bool fullShape = false;
    friend bool operator==(const ImeConversion&, const ImeConversion&) = default;
};

// nullopt for dontCare: the input method stays as the user left it.
constexpr std::optional<ImeConversion> imeConversion(ImeMode mode)
{
    switch (mode) {
    case ImeMode::dontCare: return std::nullopt;
    case ImeMode::closed: return ImeConversion{};
    case ImeMode::hiragana: return ImeConversion{true, true, false, true};
    case ImeMode::katakanaFull: return ImeConversion{true, true, true, true};
    case ImeMode::katakanaHalf: return ImeConversion{true, true, true, false};
    case ImeMode::alphanumericFull: return ImeConversion{true, false, false, true};
    }
    return std::nullopt;
}

} // namespace tagler
