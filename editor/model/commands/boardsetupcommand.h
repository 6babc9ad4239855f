#pragma once

#include "editor/model/commands/projectchange.h"
#include "editor/model/project/projectsetup.h"

namespace editor {

// "Board Setup": a new grid and board count, keeping the items or discarding
// them all. Undo brings back the grid, the count and every entry with the
// bitmaps it had, which the change left in place.
class BoardSetupCommand : public ProjectChange {
public:
    BoardSetupCommand(CommandContext& context, const ProjectSetup& setup);
    // The panes made blank because their bitmaps could not be prepared anew.
    const QList<PaneImageFailure>& failures() const { return m_failures; }

protected:
    void perform() override;

private:
    ProjectSetup m_setup;
    QList<PaneImageFailure> m_failures;
};

} // namespace editor
