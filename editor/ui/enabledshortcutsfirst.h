#pragma once

#include <QList>
#include <QObject>

class QAction;
class QLineEdit;

namespace editor {

// Installed on a text box, lets the given menu items' shortcuts reach them
// while the box has the focus, as long as the items are enabled. A text box
// otherwise claims keys such as Ctrl+Z and Ctrl+X for its own undo and cut;
// while an item is disabled, the box keeps its key. The keys of the undo and
// redo items are the box's own while it holds typing not yet stored (edited
// since its text was last set): they undo and redo that typing.
class EnabledShortcutsFirst : public QObject {
public:
    EnabledShortcutsFirst(QList<QAction*> actions, QAction* undo, QAction* redo, QLineEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The undo or redo item whose key was pressed while the box holds typing.
    const QAction* typingKey(const QKeySequence& pressed) const;

    QList<QAction*> m_actions;
    QAction* m_undo;
    QAction* m_redo;
    QLineEdit* m_box;
};

} // namespace editor
