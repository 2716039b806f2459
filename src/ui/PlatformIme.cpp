#include "ui/PlatformIme.h"

#include <QWidget>

#ifdef _WIN32
#include <windows.h>

#include <imm.h>
#endif

namespace tagler {

#ifdef _WIN32

bool applyPlatformIme(QWidget* widget, const ImeConversion& conversion)
{
    if (widget == nullptr)
        return false;
    const auto window = reinterpret_cast<HWND>(widget->window()->winId());
    HIMC context = ImmGetContext(window);
    if (context == nullptr)
        return false;
    bool done = ImmSetOpenStatus(context, conversion.open) != 0;
    if (conversion.open) {
        DWORD flags = 0;
        DWORD sentence = 0;
        ImmGetConversionStatus(context, &flags, &sentence);
        // Romaji input and the other flags are the user's own choice; only the kind of characters changes.
        flags &= ~static_cast<DWORD>(IME_CMODE_NATIVE | IME_CMODE_KATAKANA | IME_CMODE_FULLSHAPE);
        if (conversion.native)
            flags |= IME_CMODE_NATIVE;
        if (conversion.katakana)
            flags |= IME_CMODE_KATAKANA;
        if (conversion.fullShape)
            flags |= IME_CMODE_FULLSHAPE;
        done = ImmSetConversionStatus(context, flags, sentence) != 0 && done;
    }
    ImmReleaseContext(window, context);
    return done;
}

#else

bool applyPlatformIme(QWidget*, const ImeConversion&) { return false; }

#endif

} // namespace tagler
