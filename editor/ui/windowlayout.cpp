#include "editor/ui/windowlayout.h"

namespace editor {

WindowLayout computeWindowLayout(QSize workArea) {
    WindowLayout layout;
    const int stageWidth = workArea.width();
    const int stageHeight = workArea.height() - kCaptionAndMenuHeight;
    layout.stage = QSize(stageWidth, stageHeight);

    const int sideBarWidth = stageWidth - stageHeight - 6;
    layout.sideBar = QRect(stageWidth - (sideBarWidth + 3), 3, sideBarWidth, stageHeight - 2);

    const int toolbarWidth = sideBarWidth - 12;
    layout.toolbar = QRect(6, 0, toolbarWidth, kToolbarHeight);
    layout.boardList = QRect(kBoardListLeft, 3, toolbarWidth - 72, kToolbarHeight - 6);

    const int listTop = kToolbarHeight + 10;
    const int listHeight = layout.sideBar.height() - (listTop + 50);
    layout.paneList = QRect(layout.toolbar.left(), listTop, toolbarWidth, listHeight);

    const int rowTop = listHeight + listTop + 10;
    const int textWidth = toolbarWidth - (kSwapButtonSize.width() + 10);
    layout.textBox = QRect(layout.toolbar.left(), rowTop, textWidth, kTextBoxHeight);
    layout.swapButton =
        QRect(QPoint(textWidth + layout.toolbar.left() + 4, rowTop), kSwapButtonSize);
    return layout;
}

} // namespace editor
