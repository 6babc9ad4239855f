#include "editor/model/commands/droppedpicturescommand.h"

namespace editor {

DroppedPicturesCommand::DroppedPicturesCommand(CommandContext& context, const QStringList& files,
                                               int firstPane, ProgressReport progress)
    : ProjectChange(context, QStringLiteral("Drop Pictures"),
                    paneRange(firstPane, firstPane + int(files.size()) - 1), false, firstPane),
      m_files(files), m_firstPane(firstPane), m_progress(std::move(progress)) {}

void DroppedPicturesCommand::perform() {
    m_leftOut = importDroppedPictures(project(), m_files, m_firstPane,
                                      context().view.bitmapSide(project().GridSize),
                                      context().folder, m_progress);
}

} // namespace editor
