#pragma once

#include <QStringList>

#include <functional>

class QDropEvent;
class QWidget;

namespace platform {

// The local files a drag carries, in its order; empty when it carries nothing
// else but also when it carries anything that is not a local file (text, web
// addresses), which the programs refuse.
QStringList droppedLocalFiles(const QDropEvent& event);

// Takes the drag as a copy: a file manager deletes what it has moved, and the
// programs go on reading the files dropped on them. A source that offers no
// copy is refused. Returns whether the drag was taken.
bool acceptAsCopy(QDropEvent& event);

// Sends drags of local files that reach `widget` (a text box, which would take
// their names as text) to `window` instead, with the position in the window's
// coordinates, when `windowTakes` says the window takes those files; every
// other drag still reaches the text box.
void relayFileDrags(QWidget* widget, QWidget* window,
                    std::function<bool(const QStringList& files)> windowTakes);

} // namespace platform
