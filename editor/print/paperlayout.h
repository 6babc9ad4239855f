#pragma once

#include "editor/model/project/projectrecord.h"
#include "editor/print/paperoptions.h"

#include <QList>
#include <QRectF>
#include <QSizeF>

namespace editor {

// One pane's place on a page: the cell its picture is drawn in and the box its
// words fill (under the picture in the board's grid, beside it in rows).
struct PaperSlot {
    QRectF picture;
    QRectF words;
};

// Where everything goes on a page, in the paint device's pixels with the top-left
// corner of the printable area at (0, 0).
struct PaperGeometry {
    QRectF title; // empty when the project has no title
    QRectF footer;
    QRectF body;            // between them: what the panes may take
    QList<PaperSlot> slots; // in reading order, `perRow` a row
    int perRow = 1;

    int rows() const { return perRow > 0 ? static_cast<int>(slots.size()) / perRow : 0; }
};

// The most lines a pane's text may take under its picture in the board's grid:
// fewer as the grid gets finer.
int gridTextLines(int gridSize);

// The most lines a pane's words may take there: its label, its text and its web
// address.
int gridWordLines(int gridSize, const PaperOptions& options);

// The page's geometry for `area`, with text lines `lineHeight` pixels high and
// picture cells `cellAspect` times as wide as high. The board's grid keeps
// `wordLines` lines under each picture, gives the pictures the rest and stands
// centred on the page. Rows hold `rows` rows a page (0: as many as fit).
PaperGeometry paperGeometry(QSizeF area, const PaperOptions& options, int gridSize,
                            qreal lineHeight, bool withTitle, int wordLines, qreal cellAspect,
                            int rows = 0);

// The rows a page holds when `rowsThatFit` fit: all of them for continuous rows,
// otherwise a board's rows shared out evenly over as few pages as hold them, so no
// page ends a board with a row or two.
int paperRowsOnPage(const ProjectRecord& project, const PaperOptions& options, int perRow,
                    int rowsThatFit);

// A line of a pane's note printed in full under the board: the pane's number on
// its first line.
struct PaperNoteLine {
    int pane = 0; // 0 on the lines that go on
    QString text;
    bool rightToLeft = false;
};

// The panes one page shows, in slot order (0 for a slot left empty), and the
// boards they belong to. A board starts a page of its own, or with continuous
// rows a row of its own. Notes in full follow from `notesTop` down.
struct PaperPage {
    int board = 0;
    int lastBoard = 0;
    QList<int> panes;
    QList<PaperNoteLine> notes;
    qreal notesTop = 0;
};

// The pages for the chosen boards (clamped to the project's) on pages of `rows`
// rows of `perRow` slots. A board's rows are shared out evenly over its pages.
QList<PaperPage> paperPages(const ProjectRecord& project, const PaperOptions& options, int perRow,
                            int rows);

} // namespace editor
