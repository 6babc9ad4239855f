#include "editor/export/pictureprogress.h"

#include "editor/export/pictureconversion.h"
#include "platform/platform.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QProgressDialog>

namespace editor {

void convertPicturesWithProgress(QWidget* parent, platform::Platform& platform,
                                 const ProjectRecord& project, const QString& folder) {
    const QList<PictureJob> jobs = pictureJobs(project, folder);
    if (jobs.isEmpty())
        return;

    // Modal from the start, so nothing else runs while the pictures are written.
    QProgressDialog progress(
        QCoreApplication::translate("editor::frmHTML", "Converting pictures ..."), QString(), 0,
        static_cast<int>(jobs.size()), parent);
    progress.setObjectName(QStringLiteral("view"));
    progress.setWindowTitle(QCoreApplication::translate("editor::frmHTML", "Vistavel : Export"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setCancelButton(nullptr);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setValue(0);

    QFutureWatcher<PictureOutcome> watcher;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcher<PictureOutcome>::progressValueChanged, &progress,
                     &QProgressDialog::setValue);
    QObject::connect(&watcher, &QFutureWatcher<PictureOutcome>::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(startPictureConversion(jobs, platform.jpegEncoder()));
    if (!watcher.isFinished())
        loop.exec();
    progress.close();

    const QFuture<PictureOutcome> future = watcher.future();
    for (qsizetype i = 0; i < jobs.size(); ++i)
        if (future.resultAt(i) == PictureOutcome::LoadFailed)
            platform.showMessage(
                {QCoreApplication::translate("editor::frmHTML", "VV1 : Load Problem"),
                 QCoreApplication::translate("editor::frmHTML", "Could not load bmp."),
                 platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
}

} // namespace editor
