#pragma once

#include <QString>

namespace editor {

// "Board 01" ... "Board 99", "Board 100".
QString boardListEntry(int board);
// "001. ToUse" ... "1000. text".
QString paneListEntry(int pane, const QString& text);
// The text part of a pane-list entry: everything from its sixth character on (so
// pane 1000's text starts with a blank).
QString paneListEntryText(const QString& entry);

} // namespace editor
