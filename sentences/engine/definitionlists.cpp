#include "sentences/engine/definitionlists.h"

#include "platform/cp1252.h"
#include "sentences/resources/defaultwords.h"

#include <QCoreApplication>

namespace sentences {

QStringList DefinitionLists::typeNames() {
    return {QCoreApplication::translate("sentences::DefinitionLists", "Protagonist Base"),
            QCoreApplication::translate("sentences::DefinitionLists", "Protagonist Modify"),
            QCoreApplication::translate("sentences::DefinitionLists", "Action Base"),
            QCoreApplication::translate("sentences::DefinitionLists", "Action Modify"),
            QCoreApplication::translate("sentences::DefinitionLists", "Object Base"),
            QCoreApplication::translate("sentences::DefinitionLists", "Object Modify"),
            QCoreApplication::translate("sentences::DefinitionLists", "Summary")};
}

bool DefinitionLists::isStorableWord(const QString& word) {
    if (word.size() > MaxWordLength)
        return false;
    for (const QChar c : word) {
        if (c == QChar(PadCharacter) || !platform::cp1252::canEncode(c))
            return false;
    }
    return true;
}

bool DefinitionLists::isIndex(int type, int index) {
    return type >= 0 && type < TypeCount && index >= 0 && index < EntryCount;
}

QString DefinitionLists::entry(int type, int index) const {
    return isIndex(type, index) ? m_entries[type][index] : QString();
}

void DefinitionLists::setEntry(int type, int index, const QString& word) {
    if (isIndex(type, index))
        m_entries[type][index] = word;
}

void DefinitionLists::loadDefaults() {
    for (int type = 0; type < TypeCount; ++type) {
        m_entries[type].fill(QString());
        const QStringList defaults = defaultWords(type);
        for (int i = 0; i < defaults.size() && i < EntryCount; ++i)
            m_entries[type][i] = defaults.at(i);
    }
}

QStringList DefinitionLists::words(int type) const {
    QStringList result;
    for (int i = 0; i < EntryCount; ++i) {
        if (!entry(type, i).isEmpty())
            result << entry(type, i);
    }
    return result;
}

QStringList DefinitionLists::chooserEntries(int type) const {
    return QStringList{QString()} + words(type);
}

} // namespace sentences
