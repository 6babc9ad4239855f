#include "editor/print/paperlayout.h"

#include <algorithm>
#include <cmath>

namespace editor {
namespace {

int panesPerRow(PaneArrangement arrangement) {
    switch (arrangement) {
    case PaneArrangement::OnePerRow:
        return 1;
    case PaneArrangement::TwoPerRow:
        return 2;
    case PaneArrangement::ThreePerRow:
        return 3;
    case PaneArrangement::BoardGrid:
        break;
    }
    return 0;
}

int ceilDiv(int a, int b) {
    return (a + b - 1) / b;
}

QList<PaperSlot> gridSlots(const QRectF& body, int gridSize, qreal lineHeight, int wordLines,
                           qreal aspect) {
    const qreal gap = lineHeight * 0.6;
    const qreal lead = lineHeight * 0.15;
    const qreal words = wordLines > 0 ? wordLines * lineHeight + lead : 0;
    const qreal pitchWidth = body.width() / gridSize;
    const qreal pitchHeight = body.height() / gridSize;
    // The pictures take what the words leave, but never less than half what they
    // would have without words.
    const qreal widest = std::min(pitchWidth - gap, (pitchHeight - gap) * aspect);
    const qreal width =
        std::max(widest * 0.5, std::min(pitchWidth - gap, (pitchHeight - gap - words) * aspect));
    const qreal height = width / aspect;
    const qreal columnPitch = width + gap;
    const qreal rowPitch = std::min(pitchHeight, height + words + gap);
    // The grid as a whole stands in the middle of the page.
    const QPointF origin(body.left() + (body.width() - gridSize * columnPitch + gap) / 2,
                         body.top() + (body.height() - gridSize * rowPitch + gap) / 2);
    QList<PaperSlot> slots;
    for (int row = 0; row < gridSize; ++row)
        for (int column = 0; column < gridSize; ++column) {
            const QRectF picture(origin.x() + column * columnPitch, origin.y() + row * rowPitch,
                                 width, height);
            const QRectF wordBox(picture.left(), picture.bottom() + lead, width,
                                 rowPitch - gap - height - lead);
            slots.append({picture, wordBox});
        }
    return slots;
}

QList<PaperSlot> rowSlots(const QRectF& body, int perRow, qreal lineHeight, qreal aspect,
                          int rows) {
    const qreal gap = lineHeight;
    const qreal columnWidth = body.width() / perRow;
    // Wide frames take a larger share of the row; a picture never takes over half the page.
    qreal width = columnWidth * (aspect > 1.2 ? 0.5 : 0.42);
    width = std::min(width, body.height() / 2 * aspect);
    const qreal height = width / aspect;
    const int fit =
        std::max(1, static_cast<int>(std::floor((body.height() + gap) / (height + gap))));
    const int used = rows > 0 ? std::min(rows, fit) : fit;
    const qreal rowHeight = body.height() / used;
    QList<PaperSlot> slots;
    for (int row = 0; row < used; ++row)
        for (int column = 0; column < perRow; ++column) {
            const QRectF picture(body.left() + column * columnWidth, body.top() + row * rowHeight,
                                 width, height);
            const QRectF wordBox(picture.right() + gap / 2, picture.top(),
                                 columnWidth - width - gap, std::max(height, rowHeight - gap));
            slots.append({picture, wordBox});
        }
    return slots;
}

} // namespace

int gridTextLines(int gridSize) {
    return gridSize <= 2 ? 4 : gridSize == 3 ? 3 : 2;
}

int gridWordLines(int gridSize, const PaperOptions& options) {
    return (options.labels ? 1 : 0) + (options.texts ? gridTextLines(gridSize) : 0) +
           (options.webAddresses ? 1 : 0);
}

PaperGeometry paperGeometry(QSizeF area, const PaperOptions& options, int gridSize,
                            qreal lineHeight, bool withTitle, int wordLines, qreal cellAspect,
                            int rows) {
    PaperGeometry geometry;
    qreal top = 0;
    if (withTitle) {
        geometry.title = QRectF(0, 0, area.width(), lineHeight * 1.5);
        top = lineHeight * 2;
    }
    geometry.footer = QRectF(0, area.height() - lineHeight * 1.2, area.width(), lineHeight * 1.2);
    const QRectF body(0, top, area.width(), geometry.footer.top() - lineHeight * 0.6 - top);
    geometry.body = body;
    const int perRow = panesPerRow(options.arrangement);
    const qreal aspect = cellAspect > 0 ? cellAspect : 1;
    geometry.perRow = perRow == 0 ? gridSize : perRow;
    geometry.slots = perRow == 0 ? gridSlots(body, gridSize, lineHeight, wordLines, aspect)
                                 : rowSlots(body, perRow, lineHeight, aspect, rows);
    return geometry;
}

int paperRowsOnPage(const ProjectRecord& project, const PaperOptions& options, int perRow,
                    int rowsThatFit) {
    const int fit = std::max(1, rowsThatFit);
    if (options.continuous)
        return fit;
    const int boardRows = ceilDiv(project.panesPerBoard(), std::max(1, perRow));
    return ceilDiv(boardRows, ceilDiv(boardRows, fit));
}

QList<PaperPage> paperPages(const ProjectRecord& project, const PaperOptions& options, int perRow,
                            int rows) {
    const int last = std::clamp(options.lastBoard, 1, static_cast<int>(project.BoardCount));
    const int first = std::clamp(options.firstBoard, 1, last);
    const int perBoard = project.panesPerBoard();
    const int width = std::max(1, perRow);
    const int height = std::max(1, rows);
    const int boardRows = ceilDiv(perBoard, width);
    QList<PaperPage> pages;
    if (options.continuous && options.arrangement != PaneArrangement::BoardGrid) {
        // Each board starts a row; a page takes rows until it is full.
        int rowsTaken = height;
        for (int board = first; board <= last; ++board) {
            const int firstPane = project.firstPaneOfBoard(board);
            for (int row = 0; row < boardRows; ++row) {
                if (rowsTaken == height) {
                    pages.append({board, board, {}, {}, 0});
                    rowsTaken = 0;
                }
                PaperPage& page = pages.last();
                page.lastBoard = board;
                for (int column = 0; column < width; ++column) {
                    const int slot = row * width + column;
                    page.panes.append(slot < perBoard ? firstPane + slot : 0);
                }
                ++rowsTaken;
            }
        }
        return pages;
    }
    // As few pages as hold the board's rows, the rows shared out evenly over them.
    const int pageCount = ceilDiv(boardRows, height);
    for (int board = first; board <= last; ++board) {
        const int firstPane = project.firstPaneOfBoard(board);
        int row = 0;
        for (int p = 0; p < pageCount; ++p) {
            const int rowsHere = boardRows / pageCount + (p < boardRows % pageCount ? 1 : 0);
            PaperPage page{board, board, {}, {}, 0};
            for (int slot = row * width; slot < std::min(perBoard, (row + rowsHere) * width);
                 ++slot)
                page.panes.append(firstPane + slot);
            row += rowsHere;
            pages.append(page);
        }
    }
    return pages;
}

} // namespace editor
