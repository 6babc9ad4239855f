// frmMain's mouse on the stage (selection, hover, drag to swap) and the pane
// list with its text box. The keyboard on the stage is in frmmainstagekeys.cpp.
#include "editor/ui/frmmain.h"

#include "editor/model/commands/clearalltextscommand.h"
#include "editor/model/commands/paneswapcommand.h"
#include "editor/model/commands/panetextcommand.h"
#include "editor/model/project/highlightcolours.h"
#include "editor/model/project/listentries.h"
#include "editor/model/project/panetexts.h"
#include "editor/model/stage/stagehittest.h"
#include "platform/numbers.h"
#include "platform/picturewidget.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

namespace editor {

void frmMain::picStage_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, QPoint at) {
    m_dragState = true;
    // A press may come without a move over the stage before it (after a pop-up
    // menu closed), so the press point is hit-tested itself.
    m_hoverPane = HitTestPane(at, m_paneSize, m_project.GridSize);
    m_project.SelectedPane = static_cast<qint16>(m_hoverPane);
    List1->setCurrentRow(m_hoverPane - 1);
    EnablePictureCommandsFor(m_hoverPane);
    ShowStageSelection();
    updateClipboardCommands();
    m_paneMenuShown = button == Qt::RightButton;
    if (button == Qt::RightButton) {
        m_dragState = false;
        mnu_Panes->popup(picStage->mapToGlobal(at));
    }
}

void frmMain::picStage_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, QPoint at) {
    if (!m_dragState) {
        m_hoverPane = HitTestPane(at, m_paneSize, m_project.GridSize);
        return;
    }
    picStage->setCursor(Qt::SizeAllCursor);
    const int slot = m_project.SelectedPane - currentBoardIndex() * m_project.panesPerBoard();
    if (slot < 1 || slot > m_project.panesPerBoard())
        return;
    const int half = platform::roundHalfEven(m_paneSize / 2.0);
    const QPoint centre = m_project.Panes[slot].StagePos + QPoint(half, half);
    picStage->update(
        Line1.show(picStage->surface(), centre, at, colourFromBgr(m_project.MoveHighlight)));
}

void frmMain::picStage_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, QPoint at) {
    if (m_project.IsBusy)
        return;
    m_dragState = false;
    picStage->update(Line1.hide(picStage->surface()));
    if (button == Qt::RightButton) {
        if (!m_paneMenuShown)
            mnu_Panes->popup(picStage->mapToGlobal(at));
    } else if (m_project.SelectedPane > 0 && picStage->cursor().shape() == Qt::SizeAllCursor) {
        const int selected = m_project.SelectedPane;
        const int target = HitTestPane(at, m_paneSize, m_project.GridSize);
        m_hoverPane = target;
        if (target != 0)
            SwapStagePanes(selected, target);
    }
    m_paneMenuShown = false;
    picStage->unsetCursor();
}

void frmMain::SwapStagePanes(int selected, int target) {
    runAndRecord(std::make_unique<PaneSwapCommand>(*m_commands, selected, target));
    RewritePaneListEntry(selected);
    RewritePaneListEntry(target);
    RefreshBoard();
}

void frmMain::EnablePictureCommandsFor(int pane) {
    const bool hasPicture = pane > 0 && m_project.Panes[pane].hasWorkPicture();
    for (QAction* command : std::as_const(m_pictureCommands))
        command->setEnabled(hasPicture);
}

int frmMain::HitTestPane(QPoint at, int paneSize, int gridSize) {
    const int slot = hitTestSlot(m_project, at, paneSize, gridSize);
    const int pane = slot == 0 ? 0 : currentBoardIndex() * gridSize * gridSize + slot;
    if (pane < 1 || pane > kLastPane)
        return 0;
    picStage->update(
        m_hoverHighlight.draw(picStage->surface(), picLoader.image(),
                              m_project.Panes[slot].StagePos, paneSize, m_project.Panes[pane].Label,
                              colourFromBgr(m_project.GridHighlight), m_boardStyle.numberFont));
    return pane;
}

void frmMain::List1_MouseDown(Qt::MouseButton button, QPoint globalPosition) {
    if (button != Qt::LeftButton) {
        mnu_EditList->popup(globalPosition);
        return;
    }
    const int board = std::max(0, List1->currentRow()) / m_project.panesPerBoard();
    if (board < Combo_PageView->count())
        Combo_PageView->setCurrentIndex(board);
    SyncPaneText();
    if (!Text1->text().isEmpty()) {
        mnu_Swap->setEnabled(true);
        mnu_Remove->setEnabled(true);
        cmdButton->setEnabled(true);
    }
}

void frmMain::Text1_Change() {
    cmdButton->setEnabled(!Text1->text().isEmpty());
}

void frmMain::cmdButton_Click() {
    StoreItemText();
}

int frmMain::selectedPaneRow() const {
    const QList<QListWidgetItem*> selected = List1->selectedItems();
    return selected.isEmpty() ? -1 : List1->row(selected.first());
}

void frmMain::StoreItemText() {
    const int index = selectedPaneRow();
    if (Text1->text().isEmpty() || index < 0 || index >= kLastPane)
        return;
    const QString text = paneTextToStore(Text1->text());
    if (text.isEmpty())
        return;
    runAndRecord(std::make_unique<PaneTextCommand>(*m_commands, tr("Swap Item"), index + 1, text));
    Text1->setModified(false);
    RewritePaneListEntry(index + 1);
}

void frmMain::ClearItemText(int index, bool all) {
    if (all) {
        runAndRecord(std::make_unique<ClearAllTextsCommand>(*m_commands));
        RebuildPaneList();
        List1->setCurrentRow(-1);
        return;
    }
    if (index < 0 || index >= List1->count() || index >= kLastPane)
        return;
    runAndRecord(
        std::make_unique<PaneTextCommand>(*m_commands, tr("Remove Item"), index + 1, kUnsetText));
    RewritePaneListEntry(index + 1);
}

void frmMain::RewritePaneListEntry(int pane) {
    if (QListWidgetItem* item = List1->item(pane - 1); item && pane <= kLastPane)
        item->setText(paneListEntry(pane, m_project.Panes[pane].Text));
}

} // namespace editor
