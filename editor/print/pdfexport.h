#pragma once

#include "editor/print/paperdrawing.h"

class QIODevice;

namespace editor {

// Writes the chosen boards as a PDF onto `target`, with the fonts embedded and web
// addresses as live links; `title` names the document when the project has no
// title. Fails, with the device's reason, as soon as one write to `target` fails
// or falls short.
PaperOutcome writePdf(const ProjectRecord& project, const PaperOptions& options, QIODevice& target,
                      const QString& title, const PaperProgress& progress = {});

// writePdf() into a file, through QSaveFile: a cancelled or failed export leaves
// no file, and an earlier file of that name stays whole.
PaperOutcome exportPdf(const ProjectRecord& project, const PaperOptions& options,
                       const QString& fileName, const PaperProgress& progress = {});

} // namespace editor
