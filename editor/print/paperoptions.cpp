#include "editor/print/paperoptions.h"

#include <algorithm>

namespace editor {

QPageSize::PageSizeId defaultPaperSize(std::optional<QPageSize::PageSizeId> printerSize,
                                       QLocale::MeasurementSystem measurement) {
    if (printerSize &&
        std::find(kPaperSizes.begin(), kPaperSizes.end(), *printerSize) != kPaperSizes.end())
        return *printerSize;
    return measurement == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

QPageLayout paperPageLayout(const PaperOptions& options, QPageLayout::Orientation orientation) {
    return QPageLayout(QPageSize(options.paperSize), orientation, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

} // namespace editor
