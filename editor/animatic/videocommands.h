#pragma once

#include "editor/model/project/projectrecord.h"

class QWidget;

namespace platform {
class Platform;
}

namespace editor {

class frmVideo;

// "Export As Video ...": the animatic's choices, then the file, then the video
// written with its progress by pane and Cancel. A failure names the file and the
// reason in a "Vistavel : Video Export" box; a cancel or a failure leaves no file.
void ExportBoardsAsVideo(QWidget* parent, platform::Platform& platform,
                         const ProjectRecord& project, frmVideo& video);

} // namespace editor
