#include "editor/model/commands/makeblankcommand.h"

namespace editor {

MakeBlankCommand::MakeBlankCommand(CommandContext& context, int pane)
    : ProjectChange(context, QStringLiteral("Make as Blank"), {pane}, false, pane), m_pane(pane) {}

void MakeBlankCommand::perform() {
    project().Panes[m_pane].makeBlank();
}

} // namespace editor
