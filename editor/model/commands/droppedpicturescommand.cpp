#include "editor/model/commands/droppedpicturescommand.h"

#include <QCoreApplication>

namespace editor {

DroppedPicturesCommand::DroppedPicturesCommand(CommandContext& context, const QStringList& files,
                                               int firstPane, ProgressReport progress)
    : DroppedPicturesCommand(context,
                             QCoreApplication::translate("editor::ProjectChange", "Drop Pictures"),
                             files, firstPane, std::move(progress)) {}

DroppedPicturesCommand::DroppedPicturesCommand(CommandContext& context, const QString& name,
                                               const QStringList& files, int firstPane,
                                               ProgressReport progress)
    : ProjectChange(context, name, paneRange(firstPane, firstPane + int(files.size()) - 1), false,
                    firstPane),
      m_files(files), m_firstPane(firstPane), m_progress(std::move(progress)) {}

void DroppedPicturesCommand::perform() {
    m_leftOut = importDroppedPictures(project(), m_files, m_firstPane,
                                      context().view.bitmapSide(project().GridSize),
                                      context().folder, m_progress);
}

PastePictureCommand::PastePictureCommand(CommandContext& context, const QStringList& files,
                                         int firstPane, ProgressReport progress)
    : DroppedPicturesCommand(context,
                             QCoreApplication::translate("editor::ProjectChange", "Paste Picture"),
                             files, firstPane, std::move(progress)) {}

DropPictureCommand::DropPictureCommand(CommandContext& context, const QString& keptPicture,
                                       int pane)
    : DroppedPicturesCommand(context,
                             QCoreApplication::translate("editor::ProjectChange", "Drop Picture"),
                             {keptPicture}, pane, {}) {}

} // namespace editor
