#include "editor/model/commands/historyentry.h"

#include <QHash>
#include <QSet>
#include <QSignalBlocker>

#include <algorithm>
#include <vector>

namespace editor {

HistoryEntry::HistoryEntry(std::unique_ptr<ProjectChange> step) : m_step(std::move(step)) {
    setText(m_step->text());
}

void HistoryEntry::undo() {
    if (!m_replaying)
        m_step->undo();
}

void HistoryEntry::redo() {
    if (!m_replaying)
        m_step->redo();
}

qint64 historyBudget(qint64 freeBytes) {
    constexpr qint64 kMostBytes = qint64(2) << 30;
    return std::min(kMostBytes, std::max<qint64>(freeBytes, 0) / 4);
}

namespace {

HistoryEntry& entryAt(QUndoStack& history, int index) {
    // The stack hands out its entries read-only; they are the history's own.
    return *const_cast<HistoryEntry*>(static_cast<const HistoryEntry*>(history.command(index)));
}

// How many of the oldest steps must go for the rest to fit in `budget`; the
// step last done stays whatever it holds.
int stepsOverBudget(QUndoStack& history, qint64 budget, const ProjectRecord& project) {
    QSet<QString> shown;
    for (const PaneRecord& pane : project.Panes)
        shown.insert(pane.WorkPicture);
    QHash<QString, int> holders;
    QHash<QString, qint64> sizes;
    for (int i = 0; i < history.count(); ++i)
        for (const auto& [file, size] : entryAt(history, i).step().heldBitmaps().asKeyValueRange())
            if (!shown.contains(file)) {
                ++holders[file];
                sizes.insert(file, size);
            }
    qint64 held = 0;
    for (const qint64 size : std::as_const(sizes))
        held += size;
    int drop = 0;
    while (held > budget && drop < history.index() - 1) {
        for (const QString& file : entryAt(history, drop).step().heldBitmaps().keys())
            if (holders.contains(file) && --holders[file] == 0)
                held -= sizes.value(file);
        ++drop;
    }
    return drop;
}

} // namespace

int keepHistoryWithin(QUndoStack& history, qint64 budget, const ProjectRecord& project) {
    const int drop = stepsOverBudget(history, budget, project);
    if (drop == 0)
        return 0;
    const int index = history.index();
    const int clean = history.cleanIndex();
    std::vector<std::unique_ptr<ProjectChange>> kept;
    for (int i = drop; i < history.count(); ++i)
        kept.push_back(std::move(entryAt(history, i).m_step));
    // Nobody is told: the Undo and Redo items, the clean state and the
    // recovery copy are the same before and after.
    const QSignalBlocker quiet(history);
    history.clear();
    for (std::unique_ptr<ProjectChange>& step : kept) {
        auto* entry = new HistoryEntry(std::move(step));
        entry->m_replaying = true;
        history.push(entry);
    }
    if (clean >= drop) {
        history.setIndex(clean - drop);
        history.setClean();
    }
    history.setIndex(index - drop);
    if (clean < drop)
        history.resetClean();
    for (int i = 0; i < history.count(); ++i)
        entryAt(history, i).m_replaying = false;
    return drop;
}

} // namespace editor
