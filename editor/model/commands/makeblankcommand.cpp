#include "editor/model/commands/makeblankcommand.h"

#include <QCoreApplication>

namespace editor {

MakeBlankCommand::MakeBlankCommand(CommandContext& context, int pane)
    : ProjectChange(context, QCoreApplication::translate("editor::ProjectChange", "Make as Blank"),
                    {pane}, false, pane),
      m_pane(pane) {}

void MakeBlankCommand::perform() {
    project().Panes[m_pane].makeBlank();
}

} // namespace editor
