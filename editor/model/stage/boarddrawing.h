#pragma once

#include "editor/model/project/projectrecord.h"

#include <QFont>
#include <QImage>

namespace platform {
class PictureSurface;
}

namespace editor {

// What a board is drawn with: the checkerboard for blank panes and the font of
// the pane numbers.
struct BoardStyle {
    QImage blankPattern;
    QFont numberFont;
};

// The 32 x 32 grey-and-white checkerboard of blank panes.
QImage loadBlankPattern();

// Paints every slot of board `boardIndex` (from 0) onto the stage from the
// prepared bitmaps, numbers the panes, records the slot corners in StagePos of
// entries 1 to gridSize², makes the result the stage's persistent picture and
// leaves a clean copy of the whole stage in `cleanCopy`. A prepared bitmap that
// cannot be loaded turns its pane blank for good. Prepared bitmaps hold the
// stage's device pixels, devicePixels(paneSize) a side, and are copied one to one.
void DrawBoard(ProjectRecord& project, int boardIndex, int paneSize, int gridSize,
               platform::PictureSurface& stage, platform::PictureSurface& cleanCopy,
               const BoardStyle& style);

} // namespace editor
