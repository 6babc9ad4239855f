#include "sentences/ui/wordvalidator.h"

#include "sentences/engine/definitionlists.h"

namespace sentences {

QValidator::State WordValidator::validate(QString& input, int&) const {
    return DefinitionLists::isStorableWord(input) ? Acceptable : Invalid;
}

} // namespace sentences
