#pragma once

#include <QList>
#include <QObject>

class QAction;

namespace editor {

// Installed on a text box, lets the given menu items' shortcuts reach them
// while the box has the focus, as long as the items are enabled. A text box
// otherwise claims keys such as Ctrl+Z and Ctrl+X for its own undo and cut;
// while an item is disabled, the box keeps its key.
class EnabledShortcutsFirst : public QObject {
public:
    EnabledShortcutsFirst(QList<QAction*> actions, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QAction*> m_actions;
};

} // namespace editor
