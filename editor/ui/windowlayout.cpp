#include "editor/ui/windowlayout.h"

#include <algorithm>

namespace editor {

WindowLayout computeWindowLayout(QSize workArea, int swapButtonWidth) {
    WindowLayout layout;
    const int stageWidth = std::max(workArea.width(), 1);
    const int stageHeight = std::max(workArea.height() - kCaptionAndMenuHeight, kMinBoardSide);
    layout.stage = QSize(stageWidth, stageHeight);

    layout.boardSide = stageHeight;
    int sideBarWidth = stageWidth - stageHeight - 6;
    if (sideBarWidth < kMinSideBarWidth) {
        layout.boardSide = std::max(stageWidth - kMinSideBarWidth - 6, kMinBoardSide);
        sideBarWidth = std::max(stageWidth - layout.boardSide - 6, 0);
    }
    layout.sideBar = QRect(stageWidth - (sideBarWidth + 3), 3, sideBarWidth, stageHeight - 2);

    const int toolbarWidth = sideBarWidth - 12;
    layout.toolbar = QRect(6, 0, toolbarWidth, kToolbarHeight);
    layout.boardList = QRect(kBoardListLeft, 3, toolbarWidth - 72, kToolbarHeight - 6);

    const int listTop = kToolbarHeight + 10;
    const int listHeight = layout.sideBar.height() - (listTop + 50);
    layout.paneList = QRect(layout.toolbar.left(), listTop, toolbarWidth, listHeight);

    const int rowTop = listHeight + listTop + 10;
    const int buttonWidth = std::max(swapButtonWidth, kSwapButtonSize.width());
    const int textWidth = toolbarWidth - (buttonWidth + 10);
    layout.textBox = QRect(layout.toolbar.left(), rowTop, textWidth, kTextBoxHeight);
    layout.swapButton = QRect(QPoint(textWidth + layout.toolbar.left() + 4, rowTop),
                              QSize(buttonWidth, kSwapButtonSize.height()));
    return layout;
}

} // namespace editor
