#include "editor/model/project/projectrecord.h"

#include <algorithm>

namespace editor {

int maxBoards(int gridSize) {
    if (gridSize < 1)
        return 0;
    return std::min(kMaxBoardsAnyGrid, kLastPane / (gridSize * gridSize));
}

void ProjectRecord::resetPanes() {
    Panes.fill(PaneRecord{});
    BoardTitle = kUnsetText;
    FooterText = kUnsetText;
}

} // namespace editor
