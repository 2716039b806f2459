#include "base/ShownFailure.h"

namespace tagler {

bool showingFailure(Prompts& prompts, const FailureMessage& messageFor, const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (const Error& e) {
        const std::optional<std::string> text = messageFor(e.kind());
        if (!text)
            throw;
        prompts.warning(*text);
        return false;
    }
}

} // namespace tagler
