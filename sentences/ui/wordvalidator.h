#pragma once

#include <QValidator>

namespace sentences {

// Refuses any text the definitions file could not store unchanged: a 17th
// character, a character outside Windows-1252, or the pad character.
class WordValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

} // namespace sentences
