#pragma once

#include "editor/model/project/projectrecord.h"

#include <QString>

namespace editor {

// Longest pane text the text box takes from the keyboard.
inline constexpr int kPaneTextMaxLength = 256;

// What the "swap" button stores from the text box, and "Options :" from the web
// address box: the text without the blanks (spaces) at either end; tabs and
// other spaces stay. Empty, and so not stored by "swap", when the box holds only
// blanks: a pane's text is emptied only by clearing it, which sets it unset.
QString paneTextToStore(const QString& typed);

// Every pane in use back to an unset text.
void clearAllPaneTexts(ProjectRecord& project);

} // namespace editor
