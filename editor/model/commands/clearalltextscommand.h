#pragma once

#include "editor/model/commands/projectchange.h"

namespace editor {

// "Clear All" of the pane list: every pane in use back to the unset text.
class ClearAllTextsCommand : public ProjectChange {
public:
    explicit ClearAllTextsCommand(CommandContext& context);

protected:
    void perform() override;
};

} // namespace editor
