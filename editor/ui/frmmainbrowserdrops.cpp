// frmMain's pictures dragged from a web browser onto a pane.
#include "editor/ui/frmmain.h"

#include "editor/model/project/pastedpicture.h"
#include "platform/busycursor.h"
#include "platform/picturedownload.h"
#include "platform/platform.h"

#include <QEventLoop>
#include <QProgressDialog>

namespace editor {
namespace {

QString dropTitle() {
    return QCoreApplication::translate("editor::frmMain", "Vistavel : Drop Picture");
}

} // namespace

void frmMain::TakeBrowserPicture(int pane, const platform::BrowserPicture& dragged) {
    QString error;
    QString kept;
    QByteArray downloaded;
    if (dragged.offer.isEmpty()) {
        downloaded = DownloadPicture(dragged.address, &error);
        if (downloaded.isEmpty() && error.isEmpty())
            return; // cancelled
    }
    if (error.isEmpty()) {
        platform::BusyCursor busy;
        const QImage picture = dragged.offer.isEmpty()
                                   ? platform::readPictureData(downloaded, &error)
                                   : platform::offeredPicture(dragged.offer, &error);
        downloaded.clear();
        if (!picture.isNull())
            kept = keepPastedPicture(picture, *m_workFolder, &error);
    }
    if (kept.isEmpty()) {
        const QString text =
            dragged.offer.isEmpty()
                ? tr("I couldn't take the picture from %1, so the pane stays as it was:\n%2")
                      .arg(dragged.address.toDisplayString(), error)
                : tr("I couldn't take the picture dragged here, so the pane stays as it was:\n%1")
                      .arg(error);
        m_platform.showMessage(
            {dropTitle(), text, platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
        return;
    }
    ImportDroppedPictures(pane, {kept}, PictureArrival::FromBrowser);
}

QByteArray frmMain::DownloadPicture(const QUrl& address, QString* error) {
    m_project.IsBusy = true;
    platform::PictureDownload download(address, m_platform.pictureDownloadLimits());
    QProgressDialog progress(tr("Fetching the picture from %1 ...").arg(address.toDisplayString()),
                             tr("Cancel"), 0, 0, this);
    progress.setObjectName(QStringLiteral("DownloadProgress"));
    progress.setWindowTitle(dropTitle());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    connect(&download, &platform::PictureDownload::progress, &progress,
            [&progress](qint64 received, qint64 total) {
                // Kibibytes keep the counts in the dialog's int.
                if (total > 0 && progress.maximum() != int(total / 1024))
                    progress.setMaximum(int(total / 1024));
                progress.setValue(int(received / 1024));
            });
    connect(&progress, &QProgressDialog::canceled, &download, &platform::PictureDownload::cancel);
    QEventLoop waiting;
    connect(&download, &platform::PictureDownload::finished, &waiting, &QEventLoop::quit);
    download.start();
    // The program may be told to end meanwhile; that ends the wait unfinished.
    if (!download.isFinished())
        waiting.exec();
    m_project.IsBusy = false;
    if (!download.isFinished() || download.wasCancelled())
        return {};
    *error = download.error();
    return download.data();
}

} // namespace editor
