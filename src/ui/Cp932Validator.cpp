#include "ui/Cp932Validator.h"

#include "base/CodePage.h"

namespace tagler {

QValidator::State Cp932Validator::validate(QString& input, int&) const
{
    return toCp932Text(input) ? Acceptable : Invalid;
}

} // namespace tagler
