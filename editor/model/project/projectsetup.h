#pragma once

#include "editor/model/project/paneimage.h"
#include "editor/model/project/projectrecord.h"

#include <QList>
#include <QString>

namespace editor {

// "Board Setup" lists the grids 2 x 2 to 5 x 5 as entries 0 to 3.
int gridSizeOfEntry(int entry);
// "Max 62 boards x 16 panes = 992 panes".
QString boardLimitCaption(int gridSize);

// What the board-count box holds after a change of its text.
struct BoardCountText {
    QString text;
    // The grid's maximum was put in, selected so that typing replaces it.
    bool selectAll = false;
};

// Blanks are removed. A text that is empty, does not start with a digit, is not
// a number as a whole (such as "1a") or is 0 becomes the maximum with at least
// three digits ("100", "062"). Counts above the maximum and fractions ("2.",
// "2.5") stay as typed.
BoardCountText checkBoardCountText(const QString& typed, int maxBoards);
// The arrows step from the count rounded halves to even: down stops at "001"
// (selected), up stops at the maximum.
BoardCountText boardCountDown(const QString& text);
QString boardCountUp(const QString& text, int maxBoards);
// The count that "Accept" takes, rounded halves to even ("2.5" gives 2, "3.5"
// gives 4): 1 to the maximum.
int acceptedBoardCount(const QString& text, int maxBoards);

struct ProjectSetup {
    int gridSize = 2;
    int boardCount = 1;
    bool discardAll = false;
};

// True when the setup keeps the items and the grid and board count the
// project has: it would change nothing but the bitmaps' names.
bool setupKeepsAll(const ProjectRecord& project, const ProjectSetup& setup);

// About the bytes of disk the bitmaps that applyProjectSetup() prepares at
// `paneSize` take.
qint64 setupBitmapBytes(const ProjectRecord& project, const ProjectSetup& setup, int paneSize);

// Re-lays the project. Panes keep their numbers, so contents flow across the
// new board boundaries, and entries beyond the new pane total keep what they
// hold until the project grows again.
//
// Keeping the items prepares every entry 1 to 1000 that has a bitmap anew at
// `paneSize` (all cores), under a new name, so the bitmaps of the old size stay
// for an undo: from its source picture, or else from the old bitmap itself. A
// pane in use for which neither can be read is made blank, so the stage never
// shows a bitmap of the old size; those panes are returned. Hidden panes are
// never blanked.
// Discarding clears every entry: pictures, flip flags, texts, labels and web
// addresses, so the pane list's "ToUse" entries tell the truth.
QList<PaneImageFailure> applyProjectSetup(ProjectRecord& project, const ProjectSetup& setup,
                                          int paneSize, const WorkFolder& folder);

} // namespace editor
