#include "settings/TipSymbol.h"

#include "base/Error.h"

#include <string>

namespace tagler {

namespace {

constexpr bool tableIsSound()
{
    for (const TipTraits& t : tip_symbols::kTraits) {
        const bool arrow = t.family == TipFamily::arrow;
        if (arrow != (t.barbs > 0) || (t.closed && t.barbs != 2) || (t.family == TipFamily::none && t.filled))
            return false;
        if (!t.drawsLeader && t.family != TipFamily::none)
            return false;
    }
    return true;
}
static_assert(tableIsSound(), "only arrows have barbs; only two barbs close; a tip without a leader draws nothing");

} // namespace

TipSymbol tipSymbolAt(int index)
{
    if (index < 0 || index >= kTipSymbolCount)
        fail(ErrorKind::Range, "tip symbol " + std::to_string(index));
    return static_cast<TipSymbol>(index);
}

} // namespace tagler
