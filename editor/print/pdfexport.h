#pragma once

#include "editor/print/paperdrawing.h"

namespace editor {

// Writes the chosen boards as a PDF file on the sheet the options name, with the
// fonts embedded and web addresses as live links. The file is written through
// QSaveFile: a cancelled or failed export leaves no file, and an earlier file of
// that name stays whole.
PaperOutcome exportPdf(const ProjectRecord& project, const PaperOptions& options,
                       const QString& fileName, const PaperProgress& progress = {});

} // namespace editor
