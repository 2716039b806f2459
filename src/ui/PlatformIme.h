#pragma once
#include "app/ImeConversion.h"

class QWidget;

namespace tagler {

// Sets the system input method of the window that holds the widget, where the
// platform lets a program do so (Windows); elsewhere it does nothing.
// Returns whether the platform took the request.
bool applyPlatformIme(QWidget* widget, const ImeConversion& conversion);

} // namespace tagler
