#pragma once

#include <QRect>
#include <QSize>

namespace editor {

// Where the main window's parts go for a desktop work area, in pixels. The
// stage fills the window below the caption and menu; the board is a square of
// the stage's height at its left, the side bar fills the rest. On a narrow or
// portrait screen the board's square gives up what the side bar's controls need.
struct WindowLayout {
    QSize stage;
    int boardSide = 0; // the side of the board's square at the stage's top left
    QRect sideBar;     // in stage coordinates
    QRect toolbar;     // in side-bar coordinates
    QRect boardList;   // in toolbar coordinates
    QRect paneList;    // in side-bar coordinates
    QRect textBox;     // in side-bar coordinates
    QRect swapButton;  // in side-bar coordinates
};

// Sizes that no layout step computes: the controls keep them.
inline constexpr int kCaptionAndMenuHeight = 46;
inline constexpr int kToolbarHeight = 30;
inline constexpr int kBoardListLeft = 66; // after the Back and Next buttons
inline constexpr int kTextBoxHeight = 24;
inline constexpr QSize kSwapButtonSize{52, 24};
// The narrowest side bar whose board list, text box and button still show whole.
inline constexpr int kMinSideBarWidth = 240;
// The smallest board square that still holds 5 x 5 panes of a few pixels each,
// on a work area too small for anything else.
inline constexpr int kMinBoardSide = 40;

// A caption longer than the Swap button's own, as a translation may be, widens
// the button to `swapButtonWidth` at the text box's cost.
WindowLayout computeWindowLayout(QSize workArea, int swapButtonWidth = kSwapButtonSize.width());

} // namespace editor
