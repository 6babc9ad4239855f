#include "editor/model/commands/clearalltextscommand.h"

#include "editor/model/project/panetexts.h"

#include <QCoreApplication>

namespace editor {

ClearAllTextsCommand::ClearAllTextsCommand(CommandContext& context)
    : ProjectChange(context, QCoreApplication::translate("editor::ProjectChange", "Clear All"),
                    paneRange(1, context.project.panesInUse()), false, 0) {}

void ClearAllTextsCommand::perform() {
    clearAllPaneTexts(project());
}

} // namespace editor
