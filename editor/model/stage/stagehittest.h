#pragma once

#include "editor/model/project/projectrecord.h"

#include <QPoint>
#include <QString>

namespace editor {

// The slot (1 to gridSize²) of the board on show under `point`, from the slot
// corners the last drawing left in StagePos; 0 when the point is on no slot.
// Bounds are inclusive and the lowest slot wins, so a border between two slots
// belongs to the one left of or above it.
int hitTestSlot(const ProjectRecord& project, QPoint point, int paneSize, int gridSize);

// A pane label as the hover shows it: whole when it has at most paneSize / 9
// characters, otherwise cut three characters short of that and ended with "...".
QString shortenedLabel(const QString& label, int paneSize);

} // namespace editor
