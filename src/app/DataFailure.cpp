#include "app/DataFailure.h"

#include "app/Messages.h"
#include "base/ShownFailure.h"

#include <algorithm>
#include <vector>

namespace tagler {

bool tryWrite(Prompts& prompts, const std::function<void()>& write, std::initializer_list<ErrorKind> shown)
{
    const std::vector<ErrorKind> kinds(shown);
    const auto messageFor = [&kinds](ErrorKind kind) -> std::optional<std::string> {
        if (std::find(kinds.begin(), kinds.end(), kind) == kinds.end())
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
