#pragma once

#include <QLocale>
#include <QPageLayout>
#include <QPageSize>

#include <array>
#include <optional>

namespace editor {

// How a page holds its panes: the board's own grid, or rows of one to three
// panes with their words beside the picture, for reading a script.
enum class PaneArrangement { BoardGrid, OnePerRow, TwoPerRow, ThreePerRow };

// The paper sizes offered, in the order the dialog lists them.
inline constexpr std::array<QPageSize::PageSizeId, 4> kPaperSizes = {
    QPageSize::A4, QPageSize::Letter, QPageSize::A3, QPageSize::A5};

// What goes on paper and how: a range of boards, the arrangement, the sheet and
// what each pane shows beside its picture.
struct PaperOptions {
    int firstBoard = 1;
    int lastBoard = 1;
    PaneArrangement arrangement = PaneArrangement::BoardGrid;
    QPageSize::PageSizeId paperSize = QPageSize::A4;
    // None: whichever orientation gives the pictures the most room on the page.
    std::optional<QPageLayout::Orientation> orientation;
    // In rows, a board goes on on the page the board before it ends.
    bool continuous = false;
    // Pictures in their own proportions in cells of the project's commonest shape;
    // otherwise squares, as on the stage.
    bool keepProportions = true;
    // In the board's grid, the panes' texts whole in a list under the board (or on
    // the pages after it) instead of cut under each picture.
    bool notesInFull = false;
    bool paneNumbers = true;
    bool labels = true;
    bool texts = true;
    bool webAddresses = true;
};

// The sheet a new user starts with: the default printer's when it is one of
// kPaperSizes, otherwise Letter where the locale measures in US inches and A4
// elsewhere.
QPageSize::PageSizeId defaultPaperSize(std::optional<QPageSize::PageSizeId> printerSize,
                                       QLocale::MeasurementSystem measurement);

// The sheet's layout in `orientation` with the margins every page keeps.
QPageLayout paperPageLayout(const PaperOptions& options, QPageLayout::Orientation orientation);

} // namespace editor
