#pragma once

#include "editor/model/project/projectrecord.h"

#include <QList>
#include <QString>

#include <functional>

namespace editor {

enum class FlipDirection { Horizontal, Vertical };

// Mirrors the pane's prepared bitmap in place at size x size and toggles the
// pane's flag for that direction, so the flags keep saying what the bitmap
// shows; flipping twice gives back the same pixels. The source picture is not
// touched. A pane without a prepared bitmap is left alone. On failure nothing
// of the pane changes and `error` says which file failed.
bool flipPaneImage(ProjectRecord& project, int pane, int size, FlipDirection direction,
                   QString* error);

// A random order of the panes offset + 1 to offset + n, drawn without
// replacement: each draw takes entry (pool size x u) + 1 of the remaining pool,
// u from `random` in [0, 1), so every order can occur.
QList<int> ShuffleOrder(int n, int offset, const std::function<double()>& random);

// Pane offset + i receives the pictures (bitmap, source, name, flip flags) that
// pane order[i - 1] held. Texts, labels and web addresses stay where they are.
void movePictures(ProjectRecord& project, int offset, const QList<int>& order);

} // namespace editor
