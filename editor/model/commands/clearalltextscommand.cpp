#include "editor/model/commands/clearalltextscommand.h"

#include "editor/model/project/panetexts.h"

namespace editor {

ClearAllTextsCommand::ClearAllTextsCommand(CommandContext& context)
    : ProjectChange(context, QStringLiteral("Clear All"),
                    paneRange(1, context.project.panesInUse()), false, 0) {}

void ClearAllTextsCommand::perform() {
    clearAllPaneTexts(project());
}

} // namespace editor
