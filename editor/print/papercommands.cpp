#include "editor/print/papercommands.h"

#include "editor/model/storage/writeplace.h"
#include "editor/print/frmpaper.h"
#include "editor/print/frmpaperpreview.h"
#include "editor/print/pdfexport.h"
#include "platform/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>

#include <memory>

#include <pwd.h>
#include <unistd.h>

namespace editor {
namespace {

QString pdfTitle() {
    return QCoreApplication::translate("PaperCommands", "Vistavel : PDF Export");
}

QString printTitle() {
    return QCoreApplication::translate("PaperCommands", "Vistavel : Print");
}

// A progress bar by page with Cancel, shown once the work takes half a second;
// modal over the window, so nothing else runs meanwhile.
class PageProgress {
public:
    PageProgress(QWidget* parent, const QString& title)
        : m_dialog(QCoreApplication::translate("PaperCommands", "Drawing the pages ..."),
                   QCoreApplication::translate("PaperCommands", "Cancel"), 0, 1, parent) {
        m_dialog.setObjectName(QStringLiteral("paperProgress"));
        m_dialog.setWindowTitle(title);
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setMinimumDuration(500);
        m_dialog.setAutoClose(false);
        m_dialog.setAutoReset(false);
    }
    PaperProgress callback() {
        return [this](int done, int total) {
            m_dialog.setMaximum(total);
            m_dialog.setLabelText(QCoreApplication::translate("PaperCommands", "Page %1 of %2 ...")
                                      .arg(done)
                                      .arg(total));
            m_dialog.setValue(done);
            return !m_dialog.wasCanceled();
        };
    }

private:
    QProgressDialog m_dialog;
};

void report(platform::Platform& platform, const QString& title, const QString& text) {
    platform.showMessage(
        {title, text, platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
}

QString printerName(const QPrinter& printer) {
    if (!printer.outputFileName().isEmpty())
        return QDir::toNativeSeparators(printer.outputFileName());
    return printer.printerName().isEmpty()
               ? QCoreApplication::translate("PaperCommands", "the printer")
               : printer.printerName();
}

// The user's name as the system's account holds it ("Ada Lovelace,Room 4,..."),
// empty when it holds none.
QString userFullName() {
    const passwd* account = getpwuid(getuid());
    if (!account || !account->pw_gecos)
        return {};
    return QString::fromLocal8Bit(account->pw_gecos).section(QLatin1Char(','), 0, 0).trimmed();
}

} // namespace

QPageSize::PageSizeId systemDefaultPaper() {
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    return defaultPaperSize(printer.isNull() ? std::nullopt
                                             : std::optional(printer.defaultPageSize().id()),
                            QLocale().measurementSystem());
}

void ExportBoardsAsPdf(QWidget* parent, platform::Platform& platform, const ProjectRecord& project,
                       const QString& projectFile, frmPaper& paper) {
    const std::optional<PaperOptions> options = paper.Ask(frmPaper::Use::PdfExport, project);
    if (!options)
        return;
    platform::FileChooserRequest request;
    request.title = QCoreApplication::translate("PaperCommands", "Export As PDF ...");
    request.filter = QStringLiteral("PDF (*.pdf)");
    const QFileInfo projectInfo(projectFile);
    request.proposedName =
        (projectFile.isEmpty() ? QCoreApplication::translate("PaperCommands", "Untitled")
                               : projectInfo.completeBaseName()) +
        QStringLiteral(".pdf");
    request.startFolder = !paper.lastPdfFolder().isEmpty() ? paper.lastPdfFolder()
                          : projectFile.isEmpty()          ? QString()
                                                           : projectInfo.path();
    request.defaultSuffix = QStringLiteral("pdf");
    const platform::FileChoice choice = platform.chooseSaveFile(request);
    if (choice.cancelled)
        return;
    const QString& fileName = choice.fileName;
    if (const std::optional<QString> refusal = workFolderRefusal(fileName, platform)) {
        report(platform, pdfTitle(), *refusal);
        return;
    }
    PaperOutcome outcome;
    {
        PageProgress progress(parent,
                              QCoreApplication::translate("PaperCommands", "Export As PDF"));
        outcome = exportPdf(project, *options, fileName, progress.callback(), userFullName());
    }
    if (outcome.result == PaperOutcome::Result::Done)
        paper.setLastPdfFolder(QFileInfo(fileName).path());
    if (outcome.result == PaperOutcome::Result::Failed)
        report(
            platform, pdfTitle(),
            QCoreApplication::translate("PaperCommands", "I could not write the PDF file %1.\n%2")
                .arg(QDir::toNativeSeparators(fileName), outcome.reason));
}

void PrintBoards(QWidget* parent, platform::Platform& platform, const ProjectRecord& project,
                 frmPaper& paper) {
    const std::optional<PaperOptions> options = paper.Ask(frmPaper::Use::Print, project);
    if (!options)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(paperPageLayout(project, *options));
    printer.setDocName(project.BoardTitle != kUnsetText ? project.BoardTitle
                                                        : QStringLiteral("Boards"));
    if (!printer.isValid()) {
        report(platform, printTitle(),
               QCoreApplication::translate(
                   "PaperCommands", "I could not print to %1.\nThe printer is not available.")
                   .arg(printerName(printer)));
        return;
    }
    // The preview draws the page it shows and no other; the printer gets every
    // page with its pictures at full resolution.
    frmPaperPreview preview(project, *options, parent);
    QObject::connect(&preview, &frmPaperPreview::printRequested, &preview, [&] {
        QPrintDialog chooser(&printer, &preview);
        chooser.setObjectName(QStringLiteral("printChooser"));
        if (chooser.exec() != QDialog::Accepted)
            return;
        PaperOutcome outcome;
        {
            PageProgress progress(&preview, QCoreApplication::translate("PaperCommands", "Print"));
            outcome = drawPaper(project, *options, printer, progress.callback());
        }
        if (outcome.result == PaperOutcome::Result::Failed)
            report(platform, printTitle(),
                   QCoreApplication::translate("PaperCommands", "I could not print to %1.\n%2")
                       .arg(printerName(printer), outcome.reason));
        else
            preview.accept();
    });
    preview.exec();
}

} // namespace editor
