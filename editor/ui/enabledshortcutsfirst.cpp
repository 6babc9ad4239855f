#include "editor/ui/enabledshortcutsfirst.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>

namespace editor {

EnabledShortcutsFirst::EnabledShortcutsFirst(QList<QAction*> actions, QObject* parent)
    : QObject(parent), m_actions(std::move(actions)) {}

bool EnabledShortcutsFirst::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
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
