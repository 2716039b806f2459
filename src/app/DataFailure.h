#pragma once
#include "base/Error.h"
#include "base/Prompts.h"

#include <functional>
#include <initializer_list>

namespace tagler {

// Every data file the program writes fails the same way: the kinds listed are
// shown with their fixed message and the old file is whole; any other kind is a
// fault and goes on. False when the message was shown.
bool tryWrite(Prompts& prompts, const std::function<void()>& write,
              std::initializer_list<ErrorKind> shown = {ErrorKind::InputOutput});

// A read or an apply that may meet a refused line: any kind with a data message.
bool tryData(Prompts& prompts, const std::function<void()>& action);

} // namespace tagler
