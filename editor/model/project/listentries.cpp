#include "editor/model/project/listentries.h"

#include "platform/numbers.h"

namespace editor {

QString boardListEntry(int board) {
    return QStringLiteral("Board ") + platform::zeroPadded(board, 2);
}

QString paneListEntry(int pane, const QString& text) {
    return platform::zeroPadded(pane, 3) + QStringLiteral(". ") + text;
}

QString paneListEntryText(const QString& entry) {
    return entry.mid(5);
}

} // namespace editor
