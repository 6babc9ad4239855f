#pragma once

#include "editor/model/project/projectrecord.h"

#include <QString>

class QWidget;

namespace platform {
class Platform;
}

namespace editor {

// Writes a JPEG file beside the pages for every pane in use that has a prepared
// bitmap, on all cores, with a progress bar over `parent`. A bitmap that cannot
// be loaded is reported once per pane, in pane order, after the others are done.
void convertPicturesWithProgress(QWidget* parent, platform::Platform& platform,
                                 const ProjectRecord& project, const QString& folder);

} // namespace editor
