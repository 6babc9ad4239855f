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

QList<PaperSlot> gridSlots(const QRectF& body, int gridSize, qreal lineHeight, int wordLines) {
    const qreal cellWidth = body.width() / gridSize;
    const qreal cellHeight = body.height() / gridSize;
    const qreal gap = lineHeight * 0.6;
    const qreal words = wordLines * lineHeight;
    // The picture gives way to the words only down to half the cell.
    const qreal side = std::max(std::min(cellWidth, cellHeight) * 0.5,
                                std::min(cellWidth - gap, cellHeight - gap - words));
    QList<PaperSlot> slots;
    for (int row = 0; row < gridSize; ++row)
        for (int column = 0; column < gridSize; ++column) {
            const QRectF cell(body.left() + column * cellWidth, body.top() + row * cellHeight,
                              cellWidth, cellHeight);
            const QRectF picture(cell.left() + (cellWidth - side) / 2, cell.top(), side, side);
            // The words start under the picture's left edge and may run on to the cell's end.
            const QRectF wordBox(picture.left(), picture.bottom() + lineHeight * 0.15,
                                 cell.right() - gap / 2 - picture.left(),
                                 cell.bottom() - gap / 2 - picture.bottom() - lineHeight * 0.15);
            slots.append({picture, wordBox});
        }
    return slots;
}

QList<PaperSlot> rowSlots(const QRectF& body, int perRow, qreal lineHeight) {
    const qreal gap = lineHeight;
    const qreal columnWidth = body.width() / perRow;
    const qreal side = std::min(columnWidth * 0.42, body.height() / 2);
    const int rows =
        std::max(1, static_cast<int>(std::floor((body.height() + gap) / (side + gap))));
    const qreal rowHeight = body.height() / rows;
    QList<PaperSlot> slots;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < perRow; ++column) {
            const QRectF picture(body.left() + column * columnWidth, body.top() + row * rowHeight,
                                 side, side);
            const QRectF wordBox(picture.right() + gap / 2, picture.top(), columnWidth - side - gap,
                                 side);
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
                            qreal lineHeight, bool withTitle, int wordLines) {
    PaperGeometry geometry;
    qreal top = 0;
    if (withTitle) {
        geometry.title = QRectF(0, 0, area.width(), lineHeight * 1.5);
        top = lineHeight * 2;
    }
    geometry.footer = QRectF(0, area.height() - lineHeight * 1.2, area.width(), lineHeight * 1.2);
    const QRectF body(0, top, area.width(), geometry.footer.top() - lineHeight * 0.6 - top);
    const int perRow = panesPerRow(options.arrangement);
    geometry.slots = perRow == 0 ? gridSlots(body, gridSize, lineHeight, wordLines)
                                 : rowSlots(body, perRow, lineHeight);
    return geometry;
}

QList<PaperPage> paperPages(const ProjectRecord& project, const PaperOptions& options,
                            int slotsPerPage) {
    const int last = std::clamp(options.lastBoard, 1, static_cast<int>(project.BoardCount));
    const int first = std::clamp(options.firstBoard, 1, last);
    const int perBoard = project.panesPerBoard();
    const int perPage = std::max(1, slotsPerPage);
    QList<PaperPage> pages;
    for (int board = first; board <= last; ++board) {
        const int firstPane = project.firstPaneOfBoard(board);
        for (int start = 0; start < perBoard; start += perPage) {
            PaperPage page{board, {}};
            for (int slot = start; slot < std::min(perBoard, start + perPage); ++slot)
                page.panes.append(firstPane + slot);
            pages.append(page);
        }
    }
    return pages;
}

} // namespace editor
