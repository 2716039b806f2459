#pragma once
#include "base/Error.h"

#include <functional>
#include <optional>

namespace tagler::test {

// The error kind the call raised, or nullopt when it returned.
inline std::optional<ErrorKind> kindRaisedBy(const std::function<void()>& call)
{
    try {
        call();
    } catch (const Error& e) {
        return e.kind();
    }
    return std::nullopt;
}

} // namespace tagler::test
