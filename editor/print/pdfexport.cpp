#include "editor/print/pdfexport.h"

#include "editor/print/paperpicture.h"
#include "editor/print/pdftrail.h"
#include "editor/print/pdfupdate.h"
#include "editor/print/writeguard.h"

#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>

namespace editor {
namespace {

// Turns the device's pixels, from the printable area's corner down, into the
// PDF's points from the page's bottom-left corner up.
class PagePoints {
public:
    explicit PagePoints(const QPageLayout& layout)
        : m_paint(layout.paintRect(QPageLayout::Point)),
          m_height(layout.fullRectPoints().height()) {}

    QPointF operator()(QPointF pixels) const {
        const qreal scale = 72.0 / kPaperPictureDpi;
        return {m_paint.left() + pixels.x() * scale,
                m_height - (m_paint.top() + pixels.y() * scale)};
    }

private:
    QRectF m_paint;
    qreal m_height;
};

QString subjectOf(const ProjectRecord& project, const PaperOptions& options) {
    const int last = std::clamp(options.lastBoard, 1, static_cast<int>(project.BoardCount));
    const int first = std::clamp(options.firstBoard, 1, last);
    return first == last
               ? QStringLiteral("Storyboard, board %1 of %2").arg(first).arg(project.BoardCount)
               : QStringLiteral("Storyboard, boards %1 to %2 of %3")
                     .arg(first)
                     .arg(last)
                     .arg(project.BoardCount);
}

bool isTitled(const ProjectRecord& project) {
    return !project.BoardTitle.trimmed().isEmpty() && project.BoardTitle != kUnsetText;
}

QByteArray updateFor(const ProjectRecord& project, const PaperOptions& options,
                     const PaperOutcome& outcome, const PdfTrail& trail, const PagePoints& points,
                     const PdfAbout& about) {
    QList<PdfOutlineEntry> outline;
    for (const PaperBookmark& mark : outcome.bookmarks) {
        const QString board = QStringLiteral("Board %1").arg(mark.board);
        outline.append(
            {isTitled(project)
                 ? QStringLiteral("%1 \u00b7 %2").arg(board, project.BoardTitle.trimmed())
                 : board,
             mark.page, points(mark.at)});
    }
    QList<PdfLink> links;
    for (const PaperLinkArea& link : outcome.links)
        links.append({link.page,
                      QRectF(points(link.area.bottomLeft()), points(link.area.topRight())),
                      link.url});
    const QString title = isTitled(project) ? project.BoardTitle.trimmed() : about.title;
    return pdfUpdate(trail,
                     {title, about.author, subjectOf(project, options), QStringLiteral("VV1_2002")},
                     outline, links);
}

} // namespace

PaperOutcome writePdf(const ProjectRecord& project, const PaperOptions& options, QIODevice& target,
                      const PdfAbout& about, const PaperProgress& progress) {
    WriteGuard guard(target);
    PdfTrail trail(guard);
    const QPageLayout layout = paperPageLayout(project, options);
    PaperOutcome outcome;
    {
        QPdfWriter writer(&trail);
        writer.setResolution(kPaperPictureDpi);
        writer.setPageLayout(layout);
        writer.setCreator(QStringLiteral("VV1_2002"));
        writer.setTitle(isTitled(project) ? project.BoardTitle : about.title);
        // A write that failed ends the pages there: nothing after it can make the file whole.
        outcome = drawPaper(project, options, writer, [&](int done, int total) {
            return !guard.failed() && (!progress || progress(done, total));
        });
    }
    // Bookmarks, links over pictures and the author go into an update of the
    // finished file, which Qt's writer cannot give.
    if (outcome.result == PaperOutcome::Result::Done && !guard.failed() && trail.finish())
        guard.write(updateFor(project, options, outcome, trail, PagePoints(layout), about));
    if (guard.failed())
        return PaperOutcome::failed(guard.failure(), outcome.pages);
    return outcome;
}

PaperOutcome exportPdf(const ProjectRecord& project, const PaperOptions& options,
                       const QString& fileName, const PaperProgress& progress,
                       const QString& author) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return PaperOutcome::failed(file.errorString(), 0);
    const PaperOutcome outcome = writePdf(
        project, options, file, {QFileInfo(fileName).completeBaseName(), author}, progress);
    if (outcome.result != PaperOutcome::Result::Done) {
        file.cancelWriting();
        return outcome;
    }
    // The last bytes still wait in the file's buffer; their write can fail too.
    if (!file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return PaperOutcome::failed(reason, outcome.pages);
    }
    if (!file.commit())
        return PaperOutcome::failed(file.errorString(), outcome.pages);
    return outcome;
}

} // namespace editor
