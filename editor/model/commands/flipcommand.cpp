#include "editor/model/commands/flipcommand.h"

namespace editor {

FlipCommand::FlipCommand(CommandContext& context, int pane, FlipDirection direction)
    : ProjectChange(context,
                    direction == FlipDirection::Horizontal ? QStringLiteral("Flip Horizontally")
                                                           : QStringLiteral("Flip Vertically"),
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
