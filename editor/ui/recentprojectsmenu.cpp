#include "editor/ui/recentprojectsmenu.h"

#include <QAction>
#include <QStyleOptionMenuItem>

namespace editor {
namespace {

const char* const kMissing = "missing";

} // namespace

void RecentProjectsMenu::setMissing(QAction* entry, bool missing) {
    entry->setProperty(kMissing, missing);
}

bool RecentProjectsMenu::isMissing(const QAction* entry) {
    return entry->property(kMissing).toBool();
}

void RecentProjectsMenu::initStyleOption(QStyleOptionMenuItem* option,
                                         const QAction* action) const {
    QMenu::initStyleOption(option, action);
    if (!isMissing(action))
        return;
    const QColor greyed = option->palette.color(QPalette::Disabled, QPalette::Text);
    for (const QPalette::ColorRole role :
         {QPalette::Text, QPalette::WindowText, QPalette::ButtonText, QPalette::HighlightedText})
        option->palette.setColor(role, greyed);
}

} // namespace editor
