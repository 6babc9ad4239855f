#pragma once

#include "editor/print/paperdrawing.h"

class QIODevice;

namespace editor {

// What the PDF's document properties say beyond the project itself.
struct PdfAbout {
    QString title;  // the document's name when the project has no title
    QString author; // the user's name; none when empty
};

// Writes the chosen boards as a PDF onto `target`, with the fonts embedded, web
// addresses and pictures of panes that have one as live links, a bookmark for
// each board, and the title, author and subject in its properties. Fails, with
// the device's reason, as soon as one write to `target` fails or falls short.
PaperOutcome writePdf(const ProjectRecord& project, const PaperOptions& options, QIODevice& target,
                      const PdfAbout& about, const PaperProgress& progress = {});

// writePdf() into a file, through QSaveFile: a cancelled or failed export leaves
// no file, and an earlier file of that name stays whole. The file's own name is
// the document's when the project has no title.
PaperOutcome exportPdf(const ProjectRecord& project, const PaperOptions& options,
                       const QString& fileName, const PaperProgress& progress = {},
                       const QString& author = {});

} // namespace editor
