#pragma once

#include "editor/model/project/projectrecord.h"
#include "editor/print/paperoptions.h"
#include "editor/print/paperpicture.h"

#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class QPagedPaintDevice;

namespace editor {

// Called after each page with the pages drawn and their number; false cancels.
using PaperProgress = std::function<bool(int pagesDone, int pageCount)>;

// Where a board begins: its page (from 0) and the top-left corner of its first
// picture, in the device's pixels from the printable area's corner.
struct PaperBookmark {
    int board = 0;
    int page = 0;
    QPointF at;
};

// A picture whose pane has a web address that makes a link, where it was drawn.
struct PaperLinkArea {
    int page = 0;
    QRectF area;
    QUrl url;
};

struct PaperOutcome {
    enum class Result { Done, Cancelled, Failed };
    Result result = Result::Done;
    QString reason; // why it failed
    int pages = 0;  // pages drawn
    QList<PaperBookmark> bookmarks;
    QList<PaperLinkArea> links;

    static PaperOutcome failed(const QString& why, int pagesDrawn) {
        PaperOutcome outcome;
        outcome.result = Result::Failed;
        outcome.reason = why;
        outcome.pages = pagesDrawn;
        return outcome;
    }
};

// The sheet the boards go on: in the orientation chosen, or else in the one that
// gives the pictures the most room.
QPageLayout paperPageLayout(const ProjectRecord& project, const PaperOptions& options);

// The lines a pane's text may take at most with these choices: under its picture
// in the board's grid, beside it in rows.
int paperNoteLines(const ProjectRecord& project, const PaperOptions& options);

// Draws the chosen boards onto `device` (a PDF writer or a printer, already set
// to its sheet), one page after another: the project's title at the top when it
// is set, the panes with their pictures, numbers and words, and the footer with
// "Board n of m · page p of q" at the bottom. Pictures are prepared on all cores,
// the next page's while this one is drawn. Nothing of the project changes.
// Pictures are held at kPaperPictureDpi at most.
PaperOutcome drawPaper(const ProjectRecord& project, const PaperOptions& options,
                       QPagedPaintDevice& device, const PaperProgress& progress = {});

// The pages of a print drawn one at a time, on demand, for a preview: only the
// pictures of the page asked for are read, so its memory does not grow with the
// number of pages. The pages are laid out as the PDF lays them out, on the sheet
// paperPageLayout() gives.
class PaperPreview {
public:
    PaperPreview(const ProjectRecord& project, const PaperOptions& options);
    ~PaperPreview();

    const QPageLayout& layout() const;
    int pageCount() const;
    // Page `page` (from 0), the whole sheet `width` pixels wide.
    QImage page(int page, int width);

private:
    struct Pages;
    std::unique_ptr<Pages> m_pages;
};

} // namespace editor
