#pragma once

#include "editor/model/project/projectrecord.h"
#include "editor/print/paperoptions.h"

#include <QList>
#include <QRectF>
#include <QSizeF>

namespace editor {

// One pane's place on a page: its square picture and the box its words fill
// (under the picture in the board's grid, beside it in rows).
struct PaperSlot {
    QRectF picture;
    QRectF words;
};

// Where everything goes on a page, in the paint device's pixels with the top-left
// corner of the printable area at (0, 0).
struct PaperGeometry {
    QRectF title; // empty when the project has no title
    QRectF footer;
    QList<PaperSlot> slots; // in reading order
};

// The most lines a pane's text may take under its picture in the board's grid:
// fewer as the grid gets finer.
int gridTextLines(int gridSize);

// The most lines a pane's words may take there: its label, its text and its web
// address.
int gridWordLines(int gridSize, const PaperOptions& options);

// The page's geometry for `area`, with text lines `lineHeight` pixels high. In the
// board's grid `wordLines` lines are kept under each picture for its words.
PaperGeometry paperGeometry(QSizeF area, const PaperOptions& options, int gridSize,
                            qreal lineHeight, bool withTitle, int wordLines);

// The panes one page shows, in slot order, and the board they belong to. A board
// always starts a page of its own, so each page's footer names one board.
struct PaperPage {
    int board = 0;
    QList<int> panes;
};

// The pages for the chosen boards (clamped to the project's), `slotsPerPage`
// panes at most on each.
QList<PaperPage> paperPages(const ProjectRecord& project, const PaperOptions& options,
                            int slotsPerPage);

} // namespace editor
