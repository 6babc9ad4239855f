#pragma once

#include "editor/model/project/projectrecord.h"
#include "editor/print/paperoptions.h"

class QWidget;

namespace platform {
class Platform;
}

namespace editor {

class frmPaper;

// The sheet a new dialog offers: the default printer's, else by the locale.
QPageSize::PageSizeId systemDefaultPaper();

// "Export As PDF ...": the paper choices, then the file (the project's name with
// ".pdf", in the last PDF's folder or else the project's), then the pages written
// with their progress and Cancel. A failure names the file and the reason in a
// "Vistavel : PDF Export" box; a cancel or a failure leaves no file.
void ExportBoardsAsPdf(QWidget* parent, platform::Platform& platform, const ProjectRecord& project,
                       const QString& projectFile, frmPaper& paper);

// "Print ...": the paper choices, then a preview drawn by the same code as the
// PDF, from which the user prints. A failure names the printer (or the file a
// printer writes) and the reason in a "Vistavel : Print" box.
void PrintBoards(QWidget* parent, platform::Platform& platform, const ProjectRecord& project,
                 frmPaper& paper);

} // namespace editor
