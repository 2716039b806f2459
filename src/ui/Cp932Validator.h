#pragma once
#include <QValidator>

namespace tagler {

// Refuses text the code page cannot hold, so a name never reaches a file as "?".
class Cp932Validator final : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

} // namespace tagler
