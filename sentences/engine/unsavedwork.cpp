#include "sentences/engine/unsavedwork.h"

namespace sentences {

bool UnsavedWork::outputChanged(const QString& text) const {
    return !text.isEmpty() && text != m_savedOutput;
}

void UnsavedWork::outputSaved(const QString& text, const QString& fileName) {
    m_savedOutput = text;
    m_outputFile = fileName;
}

void UnsavedWork::listsKept(const DefinitionLists& lists, const QString& fileName) {
    m_keptLists = lists;
    m_listsFile = fileName;
}

} // namespace sentences
