#include "editor/ui/enabledshortcutsfirst.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>

namespace editor {

EnabledShortcutsFirst::EnabledShortcutsFirst(QList<QAction*> actions, QAction* undo, QAction* redo,
                                             QLineEdit* box)
    : QObject(box), m_actions(std::move(actions)), m_undo(undo), m_redo(redo), m_box(box) {
    m_actions << undo << redo;
    box->installEventFilter(this);
}

const QAction* EnabledShortcutsFirst::typingKey(const QKeySequence& pressed) const {
    if (!m_box->isModified())
        return nullptr;
    for (const QAction* action : {m_undo, m_redo})
        if (action->shortcuts().contains(pressed))
            return action;
    return nullptr;
}

bool EnabledShortcutsFirst::eventFilter(QObject* watched, QEvent* event) {
    const bool override = event->type() == QEvent::ShortcutOverride;
    if (watched != m_box || (!override && event->type() != QEvent::KeyPress))
        return QObject::eventFilter(watched, event);
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    if (const QAction* key = typingKey(pressed)) {
        // Accepted as an override, the key comes to the box as a key press.
        event->accept();
        if (!override) {
            if (key == m_undo)
                m_box->undo();
            else
                m_box->redo();
        }
        return true;
    }
    if (!override)
        return QObject::eventFilter(watched, event);
    for (const QAction* action : std::as_const(m_actions)) {
        if (action->isEnabled() && action->shortcuts().contains(pressed)) {
            // Left unaccepted and kept from the box, the key goes to the shortcut.
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace editor
