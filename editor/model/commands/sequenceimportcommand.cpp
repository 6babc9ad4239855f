#include "editor/model/commands/sequenceimportcommand.h"

#include <QCoreApplication>

namespace editor {

SequenceImportCommand::SequenceImportCommand(CommandContext& context,
                                             const PictureSequence& sequence, int firstPane,
                                             ProgressReport progress)
    : ProjectChange(context,
                    QCoreApplication::translate("editor::ProjectChange", "Mass Image Import"),
                    paneRange(firstPane, kLastPane), false, firstPane),
      m_sequence(sequence), m_firstPane(firstPane), m_progress(std::move(progress)) {}

void SequenceImportCommand::perform() {
    m_result = importPictureSequence(project(), m_sequence, m_firstPane,
                                     context().view.bitmapSide(project().GridSize),
                                     context().folder, m_progress);
}

} // namespace editor
