#pragma once
#include <stdexcept>
#include <string>

namespace tagler {

// The kinds the session turns into its fixed messages.
enum class ErrorKind {
    Range,
    Access,
    Conversion,
    InputOutput,
    VariantConversion,
    IntDivideByZero,
    FloatDivideByZero,
    InvalidFloatOp,
};

class Error final : public std::runtime_error {
public:
    Error(ErrorKind kind, const std::string& what) : std::runtime_error(what), kind_(kind) {}
    ErrorKind kind() const noexcept { return kind_; }

private:
    ErrorKind kind_;
};

[[noreturn]] inline void fail(ErrorKind kind, const std::string& what) { throw Error(kind, what); }

} // namespace tagler
