#pragma once

#include "editor/model/commands/projectchange.h"

#include <QUndoCommand>
#include <QUndoStack>

#include <memory>

namespace editor {

// One entry of the history: a step behind an entry of its own, so that the
// history can be built anew without its oldest steps (a QUndoStack lets go of
// steps only by deleting them, and only from its top).
class HistoryEntry : public QUndoCommand {
public:
    explicit HistoryEntry(std::unique_ptr<ProjectChange> step);

    void undo() override;
    void redo() override;

    const ProjectChange& step() const { return *m_step; }
    ProjectChange& step() { return *m_step; }

private:
    friend int keepHistoryWithin(QUndoStack& history, qint64 budget, const ProjectRecord& project);
    std::unique_ptr<ProjectChange> m_step;
    // While the history is built anew its entries change nothing.
    bool m_replaying = false;
};

// The most disk the prepared bitmaps held only for the history may take: the
// smaller of 2 GB and a quarter of the free space.
qint64 historyBudget(qint64 freeBytes);

// Lets go of the oldest steps of `history`, never the one last done, while
// the bitmaps its steps hold and no pane of `project` shows take more than
// `budget` bytes; what they alone held goes from the disk. The steps kept, the
// clean state and the Undo and Redo items stay as they were. Returns how many
// steps went.
int keepHistoryWithin(QUndoStack& history, qint64 budget, const ProjectRecord& project);

} // namespace editor
