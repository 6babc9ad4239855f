#include "editor/model/commands/flipcommand.h"

#include <QCoreApplication>

namespace editor {

FlipCommand::FlipCommand(CommandContext& context, int pane, FlipDirection direction)
    : ProjectChange(context,
                    direction == FlipDirection::Horizontal
                        ? QCoreApplication::translate("editor::ProjectChange", "Flip Horizontally")
                        : QCoreApplication::translate("editor::ProjectChange", "Flip Vertically"),
                    {pane}, false, pane),
      m_pane(pane), m_direction(direction) {}

void FlipCommand::perform() {
    flipPaneImage(project(), m_pane, context().view.bitmapSide(project().GridSize), m_direction,
                  &m_error);
}

void FlipCommand::restore(bool) {
    // Mirroring is its own inverse; a bitmap lost meanwhile leaves nothing to mirror.
    flipPaneImage(project(), m_pane, context().view.bitmapSide(project().GridSize), m_direction,
                  nullptr);
    context().view.showChange(m_pane);
}

} // namespace editor
