#pragma once

#include "editor/model/commands/projectchange.h"

namespace editor {

// A pane dragged onto another on the stage: the two exchange what they hold.
class PaneSwapCommand : public ProjectChange {
public:
    PaneSwapCommand(CommandContext& context, int first, int second);

protected:
    void perform() override;

private:
    int m_first;
    int m_second;
};

} // namespace editor
