#pragma once

#include <QMenu>

namespace editor {

// File > Recent Projects: an entry whose file is gone is drawn greyed, yet can be
// chosen, so that choosing it can take it off the list.
class RecentProjectsMenu : public QMenu {
    Q_OBJECT
public:
    using QMenu::QMenu;

    // Marks an entry as naming a file that is gone.
    static void setMissing(QAction* entry, bool missing);
    static bool isMissing(const QAction* entry);

protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
};

} // namespace editor
