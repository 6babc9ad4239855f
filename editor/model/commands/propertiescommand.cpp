#include "editor/model/commands/propertiescommand.h"

#include <QCoreApplication>

namespace editor {

PropertiesCommand::PropertiesCommand(CommandContext& context, int pane, std::function<void()> edit)
    : ProjectChange(context,
                    pane == 0
                        ? QCoreApplication::translate("editor::ProjectChange", "Board Properties")
                        : QCoreApplication::translate("editor::ProjectChange", "Pane Properties"),
                    pane == 0 ? QList<int>{} : QList<int>{pane}, true, pane),
      m_edit(std::move(edit)) {}

void PropertiesCommand::perform() {
    m_edit();
}

} // namespace editor
