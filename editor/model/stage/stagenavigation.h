#pragma once

#include <QPoint>
#include <QPolygon>

namespace editor {

// A step of the selection on the stage by keyboard.
enum class StageStep { Left, Right, Up, Down, BoardStart, BoardEnd };

// The pane a step from `pane` lands on, among `boardCount` boards of gridSize x
// gridSize panes; 0 when there is none. An arrow past a board's edge goes on to
// the previous board (left, up) or the next one (right, down), in the same row or
// column at the facing edge, when `acrossBoards` allows it; Home and End stay on
// the board.
int paneAfterStep(int pane, StageStep step, int gridSize, int boardCount, bool acrossBoards);

// The keyboard focus frame of the slot with its top-left corner at `corner`: 6
// pixels inside the slot, inside the hover frame, stepping around the box where
// the pane number stands as the hover frame does.
QPolygon focusFrameOutline(QPoint corner, int paneSize);

} // namespace editor
