#include "sentences/engine/definitioneditor.h"

#include "sentences/engine/definitionlists.h"

namespace sentences {

DefinitionEditor::DefinitionEditor(DefinitionLists& lists) : m_lists(lists) {}

void DefinitionEditor::selectType(int type) {
    if (type < 0 || type >= DefinitionLists::TypeCount)
        return;
    m_type = type;
    ShowDefinitionList();
}

void DefinitionEditor::setSelectedLine(int line) {
    m_selected = line >= 0 && line < m_lines.size() ? line : -1;
}

void DefinitionEditor::listPressed(int line, bool leftButton) {
    if (m_lines.size() > DefinitionLists::EntryCount - 1)
        m_newEnabled = false;
    if (!leftButton)
        return;
    setSelectedLine(line);
    const QString word = m_selected >= 0 ? m_lines.at(m_selected) : QString();
    if (word != m_editText)
        editTextChanged(word);
    if (!m_editText.isEmpty())
        m_swapEnabled = true;
}

void DefinitionEditor::editTextChanged(const QString& text) {
    m_editText = text;
    m_newEnabled = !text.isEmpty() && m_lines.size() < DefinitionLists::EntryCount;
}

void DefinitionEditor::ShowDefinitionList() {
    m_lines = m_lists.words(m_type);
    m_selected = -1;
    if (!m_lines.isEmpty())
        m_clearEnabled = true;
    UpdateNewItemState();
}

void DefinitionEditor::UpdateNewItemState() {
    m_newEnabled = m_lines.size() < DefinitionLists::EntryCount;
}

void DefinitionEditor::AddArray(const QString& NewWord, int ItemNumber) {
    // Line n must be entry n. A loaded file may leave gaps between words, which
    // the list does not show; closing them first keeps a store from landing on
    // a hidden entry or overwriting a word the list still shows.
    storeInOrder(m_lists.words(m_type));
    m_lists.setEntry(m_type, ItemNumber, NewWord);
    disableItemCommands();
}

void DefinitionEditor::NewItem() {
    if (m_lines.size() <= DefinitionLists::EntryCount - 1 && !m_editText.isEmpty()) {
        m_lines << m_editText;
        AddArray(m_editText, static_cast<int>(m_lines.size() - 1));
        m_clearEnabled = true;
    }
    UpdateNewItemState();
}

void DefinitionEditor::SwapItem() {
    if (m_editText.isEmpty() || m_selected < 0)
        return;
    AddArray(m_editText, m_selected);
    ShowDefinitionList();
}

void DefinitionEditor::RemoveItem() {
    if (m_selected >= 0)
        RemoveItems(m_selected, false);
}

void DefinitionEditor::Clear() {
    RemoveItems(-1, true);
}

void DefinitionEditor::RemoveItems(int line, bool clear) {
    if (clear) {
        m_lines.clear();
        m_clearEnabled = false;
    } else {
        m_lines.removeAt(line);
    }
    m_selected = -1;
    storeInOrder(m_lines);
    disableItemCommands();
    UpdateNewItemState();
}

void DefinitionEditor::LoadDefaultDefinitions() {
    disableItemCommands();
    m_lists.loadDefaults();
    ShowDefinitionList();
}

void DefinitionEditor::storeInOrder(const QStringList& words) {
    for (int i = 0; i < DefinitionLists::EntryCount; ++i)
        m_lists.setEntry(m_type, i, i < words.size() ? words.at(i) : QString());
}

void DefinitionEditor::disableItemCommands() {
    m_swapEnabled = false;
}

} // namespace sentences
