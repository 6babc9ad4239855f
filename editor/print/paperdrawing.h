#pragma once

#include "editor/model/project/projectrecord.h"
#include "editor/print/paperoptions.h"
#include "editor/print/paperpicture.h"

#include <QString>

#include <functional>

class QPagedPaintDevice;

namespace editor {

// Called after each page with the pages drawn and their number; false cancels.
using PaperProgress = std::function<bool(int pagesDone, int pageCount)>;

struct PaperOutcome {
    enum class Result { Done, Cancelled, Failed };
    Result result = Result::Done;
    QString reason; // why it failed
    int pages = 0;  // pages drawn
};

// Draws the chosen boards onto `device` (a PDF writer or a printer, already set
// to its sheet), one page after another: the project's title at the top when it
// is set, the panes with their pictures, numbers and words, and the footer with
// "Board n of m · page p of q" at the bottom. Pictures are prepared on all cores,
// the next page's while this one is drawn. Nothing of the project changes.
// Pictures are held at `pictureDpi` at most.
PaperOutcome drawPaper(const ProjectRecord& project, const PaperOptions& options,
                       QPagedPaintDevice& device, const PaperProgress& progress = {},
                       int pictureDpi = kPaperPictureDpi);

} // namespace editor
