#pragma once

#include "editor/model/projectrecord.h"

#include <QString>

namespace editor {

// Longest pane text the text box takes from the keyboard.
inline constexpr int kPaneTextMaxLength = 256;

// What the "swap" button stores from the text box: the text without the blanks
// at either end. Empty, and so not stored, when the box holds only blanks: a
// pane's text is emptied only by clearing it, which sets it unset.
QString paneTextToStore(const QString& typed);

// Every pane in use back to an unset text.
void clearAllPaneTexts(ProjectRecord& project);

} // namespace editor
