#include "editor/model/commands/paneswapcommand.h"

#include "editor/model/project/paneswap.h"

#include <QCoreApplication>

namespace editor {

PaneSwapCommand::PaneSwapCommand(CommandContext& context, int first, int second)
    : ProjectChange(context, QCoreApplication::translate("editor::ProjectChange", "Swap Panes"),
                    {first, second}, false, second),
      m_first(first), m_second(second) {}

void PaneSwapCommand::perform() {
    SwapPanes(project(), m_first, m_second);
}

} // namespace editor
