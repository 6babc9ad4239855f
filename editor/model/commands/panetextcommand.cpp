#include "editor/model/commands/panetextcommand.h"

namespace editor {

PaneTextCommand::PaneTextCommand(CommandContext& context, const QString& name, int pane,
                                 const QString& text)
    : ProjectChange(context, name, {pane}, false, pane), m_pane(pane), m_text(text) {}

void PaneTextCommand::perform() {
    project().Panes[m_pane].Text = m_text;
}

} // namespace editor
