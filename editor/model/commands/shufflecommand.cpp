#include "editor/model/commands/shufflecommand.h"

#include "editor/model/project/paneoperations.h"

#include <QCoreApplication>

namespace editor {

ShuffleCommand::ShuffleCommand(CommandContext& context, int offset, const QList<int>& order)
    : ProjectChange(context, QCoreApplication::translate("editor::ProjectChange", "Image Shuffle"),
                    paneRange(offset + 1, offset + int(order.size())), false, offset + 1),
      m_offset(offset), m_order(order) {}

void ShuffleCommand::perform() {
    movePictures(project(), m_offset, m_order);
}

} // namespace editor
