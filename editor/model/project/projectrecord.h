#pragma once

#include "editor/model/project/panerecord.h"

#include <QString>

#include <array>

namespace editor {

inline constexpr int kLastPane = 1000;
inline constexpr int kMinGridSize = 2;
inline constexpr int kMaxGridSize = 5;
inline constexpr int kMaxBoardsAnyGrid = 100;

// The largest board count whose panes fit in panes 1 to 1000, at most 100.
int maxBoards(int gridSize);

// The one project the editor holds. Entry 0 of the pane table is not a pane:
// operations use it as scratch space, nothing shows it.
struct ProjectRecord {
    std::array<PaneRecord, kLastPane + 1> Panes;
    QString BoardTitle = kUnsetText;
    QString FooterText = kUnsetText;
    // Colours in blue-green-red order, red in the low byte.
    quint32 GridHighlight = 0x00FF00;
    quint32 MoveHighlight = 0x00FF00;
    // Set while lists are rebuilt or a project or picture loads: board-list
    // changes and window resizes are then ignored.
    bool IsBusy = false;
    QString LastFileName;
    qint16 GridSize = 2;
    qint16 BoardCount = 1;
    qint16 SelectedPane = 0;

    int panesPerBoard() const { return GridSize * GridSize; }
    int panesInUse() const { return panesPerBoard() * BoardCount; }
    // Board (from 1) that holds pane p.
    int boardOfPane(int pane) const { return (pane - 1) / panesPerBoard() + 1; }
    int firstPaneOfBoard(int board) const { return (board - 1) * panesPerBoard() + 1; }

    // Every entry 0 to 1000 and both project texts back to their defaults; the
    // grid, board count and colours stay.
    void resetPanes();
};

} // namespace editor
