#include "editor/model/project/listentries.h"

#include "platform/numbers.h"

#include <QCoreApplication>

namespace editor {

QString boardListEntry(int board) {
    return QCoreApplication::translate("editor::ListEntries", "Board %1")
        .arg(platform::zeroPadded(board, 2));
}

QString paneListEntry(int pane, const QString& text) {
    return platform::zeroPadded(pane, 3) + QStringLiteral(". ") + text;
}

QString paneListEntryText(const QString& entry) {
    return entry.mid(5);
}

} // namespace editor
