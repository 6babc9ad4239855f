#include "editor/model/commands/boardsetupcommand.h"

#include "editor/model/storage/workfolder.h"

#include <QCoreApplication>

namespace editor {

BoardSetupCommand::BoardSetupCommand(CommandContext& context, const ProjectSetup& setup)
    : ProjectChange(context, QCoreApplication::translate("editor::ProjectChange", "Board Setup"),
                    paneRange(1, kLastPane), true, 1),
      m_setup(setup) {}

void BoardSetupCommand::perform() {
    m_failures = applyProjectSetup(project(), m_setup, context().view.bitmapSide(m_setup.gridSize),
                                   context().folder);
}

} // namespace editor
