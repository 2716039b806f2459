#include "ui/QtImeControl.h"

#include "app/ImeConversion.h"
#include "ui/PlatformIme.h"

namespace tagler {

void QtImeControl::setMode(ImeMode mode)
{
    requested_.push_back(mode);
    apply();
}

void QtImeControl::attach(QWidget* window)
{
    window_ = window;
    apply();
}

void QtImeControl::apply() const
{
    if (window_.isNull() || requested_.empty())
        return;
    if (const auto conversion = imeConversion(requested_.back()))
        applyPlatformIme(window_, *conversion);
}

} // namespace tagler
