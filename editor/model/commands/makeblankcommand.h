#pragma once

#include "editor/model/commands/projectchange.h"

namespace editor {

// "Make as Blank": the pane loses its picture and flips, keeps its texts.
class MakeBlankCommand : public ProjectChange {
public:
    MakeBlankCommand(CommandContext& context, int pane);

protected:
    void perform() override;

private:
    int m_pane;
};

} // namespace editor
