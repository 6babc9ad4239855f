#include "editor/print/pdfexport.h"

#include "editor/print/paperpicture.h"
#include "editor/print/writeguard.h"

#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>

namespace editor {

PaperOutcome writePdf(const ProjectRecord& project, const PaperOptions& options, QIODevice& target,
                      const QString& title, const PaperProgress& progress) {
    WriteGuard guard(target);
    PaperOutcome outcome;
    {
        QPdfWriter writer(&guard);
        writer.setResolution(kPaperPictureDpi);
        writer.setPageLayout(paperPageLayout(options));
        writer.setCreator(QStringLiteral("VV1_2002"));
        writer.setTitle(project.BoardTitle != kUnsetText ? project.BoardTitle : title);
        // A write that failed ends the pages there: nothing after it can make the file whole.
        outcome = drawPaper(project, options, writer, [&](int done, int total) {
            return !guard.failed() && (!progress || progress(done, total));
        });
    }
    if (guard.failed())
        return {PaperOutcome::Result::Failed, guard.failure(), outcome.pages};
    return outcome;
}

PaperOutcome exportPdf(const ProjectRecord& project, const PaperOptions& options,
                       const QString& fileName, const PaperProgress& progress) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return {PaperOutcome::Result::Failed, file.errorString(), 0};
    const PaperOutcome outcome =
        writePdf(project, options, file, QFileInfo(fileName).completeBaseName(), progress);
    if (outcome.result != PaperOutcome::Result::Done) {
        file.cancelWriting();
        return outcome;
    }
    // The last bytes still wait in the file's buffer; their write can fail too.
    if (!file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {PaperOutcome::Result::Failed, reason, outcome.pages};
    }
    if (!file.commit())
        return {PaperOutcome::Result::Failed, file.errorString(), outcome.pages};
    return outcome;
}

} // namespace editor
