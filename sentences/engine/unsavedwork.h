#pragma once

#include "sentences/engine/definitionlists.h"

#include <QString>

namespace sentences {

// What closing TwK, or loading other definitions, would lose. The Output holds
// unsaved work unless it is empty or reads as it was last saved; the word lists
// unless they read as they were last loaded, saved or reset to the defaults.
// Contents are compared, not edits counted, so a change taken back is no change.
class UnsavedWork {
public:
    bool outputChanged(const QString& text) const;
    bool listsChanged(const DefinitionLists& lists) const { return lists != m_keptLists; }

    void outputSaved(const QString& text, const QString& fileName);
    // `fileName` is empty when the lists were reset to the defaults. Until the
    // first call, empty lists count as kept.
    void listsKept(const DefinitionLists& lists, const QString& fileName);

    // The files the Output and the lists were last saved to or loaded from, to
    // propose when they are saved again; empty when there is none.
    const QString& outputFile() const { return m_outputFile; }
    const QString& listsFile() const { return m_listsFile; }

private:
    DefinitionLists m_keptLists;
    QString m_savedOutput;
    QString m_outputFile;
    QString m_listsFile;
};

} // namespace sentences
