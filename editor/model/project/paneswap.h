#pragma once

#include "editor/model/project/projectrecord.h"

namespace editor {

// Exchanges everything two panes hold: pictures, flip flags, text, label and web
// address; the slot corners stay, they belong to the stage. Entry 0 is the
// scratch entry and keeps a copy of `first`'s former values. Swapping a pane
// with itself changes nothing; numbers outside 1 to 1000 are ignored.
void SwapPanes(ProjectRecord& project, int first, int second);

} // namespace editor
