#include "editor/model/stage/stagehittest.h"

#include "platform/numbers.h"

#include <algorithm>

namespace editor {

int hitTestSlot(const ProjectRecord& project, QPoint point, int paneSize, int gridSize) {
    const int count = std::min(gridSize * gridSize, kLastPane);
    for (int slot = 1; slot <= count; ++slot) {
        const QPoint corner = project.Panes[slot].StagePos;
        if (corner.x() <= point.x() && point.x() <= corner.x() + paneSize &&
            corner.y() <= point.y() && point.y() <= corner.y() + paneSize)
            return slot;
    }
    return 0;
}

QString shortenedLabel(const QString& label, int paneSize) {
    const int fits = platform::roundHalfEven(paneSize / 9.0);
    if (label.size() <= fits)
        return label;
    return label.left(std::max(0, fits - 3)) + QStringLiteral("...");
}

} // namespace editor
