#pragma once
#include "app/Session.h"

namespace tagler {

// Alt+Enter in the input box completes only when 「入力完了」 could be pressed
// and the exchange file was read without complaint.
inline bool shortcutCompletes(const Session& session)
{
    return session.completionEnabled() && session.exchange().header.state == HeaderState::accepted;
}

} // namespace tagler
