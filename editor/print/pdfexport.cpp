#include "editor/print/pdfexport.h"

#include "editor/print/paperpicture.h"

#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>

namespace editor {

PaperOutcome exportPdf(const ProjectRecord& project, const PaperOptions& options,
                       const QString& fileName, const PaperProgress& progress) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return {PaperOutcome::Result::Failed, file.errorString(), 0};
    PaperOutcome outcome;
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPaperPictureDpi);
        writer.setPageLayout(paperPageLayout(options));
        writer.setCreator(QStringLiteral("VV1_2002"));
        writer.setTitle(project.BoardTitle != kUnsetText ? project.BoardTitle
                                                         : QFileInfo(fileName).completeBaseName());
        outcome = drawPaper(project, options, writer, progress);
    }
    if (outcome.result != PaperOutcome::Result::Done) {
        file.cancelWriting();
        return outcome;
    }
    if (!file.commit())
        return {PaperOutcome::Result::Failed, file.errorString(), outcome.pages};
    return outcome;
}

} // namespace editor
