// frmMain's history: the Edit menu, keeping the steps of every change and
// showing what an undo or redo changed.
#include "editor/ui/frmmain.h"

#include "editor/model/commands/historyentry.h"
#include "editor/model/storage/workfolder.h"
#include "platform/platform.h"

#include "platform/picturewidget.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QScopedValueRollback>

namespace editor {

void frmMain::createEditMenu() {
    // The history names its steps: "Undo Image Shuffle", just "Undo" when greyed.
    mnu_Undo = m_history.createUndoAction(this, tr("Undo"));
    mnu_Undo->setObjectName(QStringLiteral("mnu_Undo"));
    mnu_Undo->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Backspace));
    mnu_Redo = m_history.createRedoAction(this, tr("Redo"));
    mnu_Redo->setObjectName(QStringLiteral("mnu_Redo"));
    mnu_Redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    mnu_Edit->addAction(mnu_Undo);
    mnu_Edit->addAction(mnu_Redo);
}

void frmMain::runAndRecord(std::unique_ptr<ProjectChange> change) {
    change->run();
    record(std::move(change));
}

void frmMain::record(std::unique_ptr<ProjectChange> change) {
    if (!change->changed())
        return;
    m_history.push(new HistoryEntry(std::move(change)));
    keepHistoryWithin(m_history, historyBudget(m_platform.freeSpace(m_workFolder->path())),
                      m_project);
}

QSet<QString> frmMain::historySources() const {
    QSet<QString> sources;
    for (int i = 0; i < m_history.count(); ++i)
        static_cast<const HistoryEntry*>(m_history.command(i))->step().collectSources(sources);
    return sources;
}

void frmMain::renameHistorySources(const QHash<QString, QString>& kept) {
    if (kept.isEmpty())
        return;
    // The stack hands out its steps read-only; they are the window's own.
    for (int i = 0; i < m_history.count(); ++i)
        const_cast<HistoryEntry*>(static_cast<const HistoryEntry*>(m_history.command(i)))
            ->step()
            .renameSources(kept);
}

int frmMain::bitmapSide(int gridSize) const {
    return paneBitmapSide(paneSizeFor(gridSize));
}

void frmMain::showChange(int pane) {
    // Typing in the text box not yet stored is the user's, not the history's.
    const QScopedValueRollback keepTyping(m_keepTyping, true);
    const int board = pane > 0 ? m_project.boardOfPane(pane) - 1 : currentBoardIndex();
    const bool wasBusy = m_project.IsBusy;
    m_project.IsBusy = true;
    RebuildLists();
    Combo_PageView->setCurrentIndex(std::min(board, Combo_PageView->count() - 1));
    m_project.IsBusy = wasBusy;
    // The pane size may have changed with the grid.
    picStage->surface().clearPicture();
    RefreshBoard();
    if (pane > 0 && pane <= m_project.panesInUse()) {
        List1->setCurrentRow(pane - 1);
        SyncPaneText();
    }
}

} // namespace editor
