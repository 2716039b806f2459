#include "app/DataFailure.h"

#include "app/Messages.h"
#include "base/ShownFailure.h"

#include <algorithm>

namespace tagler {

bool tryWrite(Prompts& prompts, const std::function<void()>& write, std::initializer_list<ErrorKind> shown)
{
    const auto messageFor = [shown](ErrorKind kind) -> std::optional<std::string> {
        if (std::find(shown.begin(), shown.end(), kind) == shown.end())
            return std::nullopt;
        return messages::dataErrorMessage(kind);
    };
    return showingFailure(prompts, messageFor, write);
}

bool tryData(Prompts& prompts, const std::function<void()>& action)
{
    return showingFailure(prompts, messages::dataErrorMessage, action);
}

} // namespace tagler
