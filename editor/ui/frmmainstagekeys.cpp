// frmMain's keyboard on the stage: the arrows, Home and End move the selection,
// Ctrl+Shift with an arrow swaps as a drag does, Enter opens the close-up and
// the Menu key or Shift+F10 the Pane menu. And what a screen reader hears of
// the stage's panes.
#include "editor/ui/frmmain.h"

#include "editor/model/stage/stagenavigation.h"
#include "platform/picturewidget.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>

#include <algorithm>
#include <optional>

namespace editor {
namespace {

std::optional<StageStep> stepOfKey(int key) {
    switch (key) {
    case Qt::Key_Left:
        return StageStep::Left;
    case Qt::Key_Right:
        return StageStep::Right;
    case Qt::Key_Up:
        return StageStep::Up;
    case Qt::Key_Down:
        return StageStep::Down;
    case Qt::Key_Home:
        return StageStep::BoardStart;
    case Qt::Key_End:
        return StageStep::BoardEnd;
    default:
        return std::nullopt;
    }
}

} // namespace

void frmMain::picStage_KeyDown(int key, Qt::KeyboardModifiers modifiers) {
    if (m_project.IsBusy)
        return;
    const int firstOnShow = currentBoardIndex() * m_project.panesPerBoard() + 1;
    const bool onShow = stageSlotOf(m_project.SelectedPane) != 0;
    const int selected = onShow ? m_project.SelectedPane : firstOnShow;
    const std::optional<StageStep> step = stepOfKey(key);
    if (key == Qt::Key_Menu || (key == Qt::Key_F10 && (modifiers & Qt::ShiftModifier))) {
        SelectStagePane(selected);
        mnu_Panes->popup(picStage->mapToGlobal(paneCentreOnStage(selected)));
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        SelectStagePane(selected);
        if (mnu_Closeup->isEnabled()) {
            mnu_Closeup->trigger();
            // The close-up redraws the board; the keyboard goes on from the same pane.
            SelectStagePane(selected);
        }
    } else if (step && modifiers.testFlags(Qt::ControlModifier | Qt::ShiftModifier)) {
        // As a drag of the selected pane onto its neighbour, then the selection follows it.
        const bool arrow = *step != StageStep::BoardStart && *step != StageStep::BoardEnd;
        if (const int target =
                paneAfterStep(selected, *step, m_project.GridSize, Combo_PageView->count(), false);
            onShow && arrow && target != 0) {
            SwapStagePanes(selected, target);
            SelectStagePane(target);
        }
    } else if (step && !onShow) {
        // Nothing selected on this board yet: a first step lands on its first or last pane.
        SelectStagePane(*step == StageStep::BoardEnd ? firstOnShow + m_project.panesPerBoard() - 1
                                                     : firstOnShow);
    } else if (step) {
        if (const int target =
                paneAfterStep(selected, *step, m_project.GridSize, Combo_PageView->count(), true))
            SelectStagePane(target);
    }
}

void frmMain::SelectStagePane(int pane) {
    const int board = (pane - 1) / m_project.panesPerBoard();
    if (board != currentBoardIndex())
        Combo_PageView->setCurrentIndex(board);
    // As a press on the pane selects it.
    m_project.SelectedPane = static_cast<qint16>(pane);
    List1->setCurrentRow(pane - 1);
    EnablePictureCommandsFor(pane);
    ShowStageSelection();
}

int frmMain::stageSlotOf(int pane) const {
    const int slot = pane - currentBoardIndex() * m_project.panesPerBoard();
    return pane >= 1 && slot >= 1 && slot <= m_project.panesPerBoard() ? slot : 0;
}

QPoint frmMain::paneCentreOnStage(int pane) const {
    const int half = m_paneSize / 2;
    return m_project.Panes[stageSlotOf(pane)].StagePos + QPoint(half, half);
}

void frmMain::ShowStageSelection() {
    const int slot = stageSlotOf(m_project.SelectedPane);
    picStage->setFocusFrame(
        slot == 0 ? QPolygon() : focusFrameOutline(m_project.Panes[slot].StagePos, m_paneSize));
    m_stageAccessibility->selectionMoved();
}

int frmMain::slotsOnShow() const {
    return std::min(m_project.panesPerBoard(), kLastPane);
}

int frmMain::paneInSlot(int slot) const {
    return std::min(currentBoardIndex() * m_project.panesPerBoard() + slot, kLastPane);
}

const PaneRecord& frmMain::paneRecord(int pane) const {
    return m_project.Panes[std::clamp(pane, 0, kLastPane)];
}

QRect frmMain::slotRect(int slot) const {
    return QRect(m_project.Panes[std::clamp(slot, 0, kLastPane)].StagePos,
                 QSize(m_paneSize, m_paneSize));
}

int frmMain::selectedSlot() const {
    return stageSlotOf(m_project.SelectedPane);
}

} // namespace editor
