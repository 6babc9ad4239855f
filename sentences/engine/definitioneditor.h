#pragma once

#include <QString>
#include <QStringList>

namespace sentences {

class DefinitionLists;

// What the definitions editor shows and allows, for one word type at a time:
// the type's words as list lines, the selected line, the edit box text and which
// commands are enabled. Every change goes straight into the lists. The window
// only mirrors this state and passes its events on.
class DefinitionEditor {
public:
    explicit DefinitionEditor(DefinitionLists& lists);

    int type() const { return m_type; }
    const QStringList& lines() const { return m_lines; }
    int selectedLine() const { return m_selected; }
    const QString& editText() const { return m_editText; }

    // "New Item" and "new".
    bool newEnabled() const { return m_newEnabled; }
    // "Swap Item", "swap" and "Remove Item".
    bool swapEnabled() const { return m_swapEnabled; }
    // "Clear".
    bool clearEnabled() const { return m_clearEnabled; }

    // The type chooser: shows the type's words, even when it was already shown.
    void selectType(int type);
    // The list's selection moved (keyboard or mouse); -1 for none.
    void setSelectedLine(int line);
    // A mouse button went down on the list; `line` is the selected line after it.
    void listPressed(int line, bool leftButton);
    void editTextChanged(const QString& text);

    void NewItem();
    void SwapItem();
    void RemoveItem();
    void Clear();
    void LoadDefaultDefinitions();

private:
    void ShowDefinitionList();
    void UpdateNewItemState();
    void AddArray(const QString& NewWord, int ItemNumber);
    void RemoveItems(int line, bool clear);
    // Entries 0 onward become the words, the rest of the type's list empty.
    void storeInOrder(const QStringList& words);
    void disableItemCommands();

    DefinitionLists& m_lists;
    int m_type = 0;
    QStringList m_lines;
    int m_selected = -1;
    QString m_editText;
    bool m_newEnabled = false;
    bool m_swapEnabled = false;
    bool m_clearEnabled = true;
};

} // namespace sentences
