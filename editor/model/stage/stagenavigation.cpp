#include "editor/model/stage/stagenavigation.h"

#include "editor/model/project/projectrecord.h"

#include <algorithm>

namespace editor {

int paneAfterStep(int pane, StageStep step, int gridSize, int boardCount, bool acrossBoards) {
    const int perBoard = gridSize * gridSize;
    const int inUse = std::min(perBoard * boardCount, kLastPane);
    if (gridSize < 1 || pane < 1 || pane > inUse)
        return 0;
    int board = (pane - 1) / perBoard;
    const int slot = (pane - 1) % perBoard;
    int row = slot / gridSize, column = slot % gridSize;
    const int last = gridSize - 1;
    // -1 or +1 when the step leaves the board, entering the next at the facing edge.
    int boardStep = 0;
    const auto move = [&boardStep, last](int& coordinate, int by) {
        coordinate += by;
        if (coordinate < 0 || coordinate > last) {
            boardStep = by;
            coordinate = coordinate < 0 ? last : 0;
        }
    };
    switch (step) {
    case StageStep::Left:
        move(column, -1);
        break;
    case StageStep::Right:
        move(column, +1);
        break;
    case StageStep::Up:
        move(row, -1);
        break;
    case StageStep::Down:
        move(row, +1);
        break;
    case StageStep::BoardStart:
        row = column = 0;
        break;
    case StageStep::BoardEnd:
        row = column = last;
        break;
    }
    if (boardStep != 0 && !acrossBoards)
        return 0;
    board += boardStep;
    const int target = board * perBoard + row * gridSize + column + 1;
    if (board < 0 || board >= boardCount || target > inUse)
        return 0;
    return target;
}

QPolygon focusFrameOutline(QPoint corner, int paneSize) {
    constexpr int kInset = 6;
    // The number's box is 36 x 24; the frame keeps the inset from it too.
    constexpr int kBoxRight = 36 + kInset, kBoxBottom = 24 + kInset;
    const int far = paneSize - kInset;
    if (far <= kBoxRight || far <= kBoxBottom)
        return {};
    const QPolygon outline({{kBoxRight, kInset},
                            {far, kInset},
                            {far, far},
                            {kInset, far},
                            {kInset, kBoxBottom},
                            {kBoxRight, kBoxBottom}});
    return outline.translated(corner);
}

} // namespace editor
