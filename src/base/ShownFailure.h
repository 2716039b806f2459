#pragma once
#include "base/Error.h"
#include "base/Prompts.h"

#include <functional>
#include <optional>
#include <string>

namespace tagler {

// What the user is told for an error kind; nullopt for a kind that is a fault, not a message.
using FailureMessage = std::function<std::optional<std::string>(ErrorKind)>;

// Every file the program reads or writes fails the same way: runs action; an error whose kind
// has a message is shown as a warning and false returned (the store kept its old lines); any
// other error goes on.
bool showingFailure(Prompts& prompts, const FailureMessage& messageFor, const std::function<void()>& action);

} // namespace tagler
