#include "editor/animatic/videocommands.h"

#include "editor/animatic/frmvideo.h"
#include "editor/animatic/videoexport.h"
#include "editor/model/storage/writeplace.h"
#include "platform/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QProgressDialog>

namespace editor {
namespace {

QString videoTitle() {
    return QCoreApplication::translate("VideoExport", "Vistavel : Video Export");
}

// A progress bar by pane with Cancel, shown once the work takes half a second;
// modal over the window, so nothing else runs meanwhile.
class PaneProgress {
public:
    explicit PaneProgress(QWidget* parent)
        : m_dialog(QCoreApplication::translate("VideoExport", "Writing the video ..."),
                   QCoreApplication::translate("VideoExport", "Cancel"), 0, 1, parent) {
        m_dialog.setObjectName(QStringLiteral("videoProgress"));
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setMinimumDuration(500);
        m_dialog.setAutoClose(false);
        m_dialog.setAutoReset(false);
    }
    VideoProgress callback() {
        return [this](int done, int total) {
            m_dialog.setMaximum(total);
            m_dialog.setLabelText(QCoreApplication::translate("VideoExport", "Pane %1 of %2 ...")
                                      .arg(done)
                                      .arg(total));
            m_dialog.setValue(done);
            return !m_dialog.wasCanceled();
        };
    }

private:
    QProgressDialog m_dialog;
};

} // namespace

void ExportBoardsAsVideo(QWidget* parent, platform::Platform& platform,
                         const ProjectRecord& project, frmVideo& video) {
    const std::optional<VideoOptions> options = video.Ask(project.BoardCount);
    if (!options)
        return;
    const bool mp4 = options->fileType == VideoOptions::FileType::Mp4;
    const QString suffix = mp4 ? QStringLiteral("mp4") : QStringLiteral("webm");
    platform::FileChooserRequest request;
    request.title = QCoreApplication::translate("VideoExport", "Export As Video ...");
    request.filter = mp4 ? QCoreApplication::translate("VideoExport", "MP4 video (*.mp4)")
                         : QCoreApplication::translate("VideoExport", "WebM video (*.webm)");
    request.proposedName =
        QCoreApplication::translate("VideoExport", "Untitled") + QLatin1Char('.') + suffix;
    // The chooser adds the suffix itself, so its "replace?" question covers the real name.
    request.defaultSuffix = suffix;
    const platform::FileChoice choice = platform.chooseSaveFile(request);
    if (choice.cancelled)
        return;
    const QString& fileName = choice.fileName;
    if (const std::optional<QString> refusal = workFolderRefusal(fileName, platform)) {
        platform.showMessage({videoTitle(), *refusal, platform::MessageIcon::Exclamation,
                              platform::MessageButtons::Ok});
        return;
    }
    VideoOutcome outcome;
    {
        PaneProgress progress(parent);
        outcome = exportVideo(project, *options, fileName, progress.callback());
    }
    if (outcome.result == VideoOutcome::Result::Failed)
        platform.showMessage(
            {videoTitle(),
             QCoreApplication::translate("VideoExport", "I could not write the video file %1.\n%2")
                 .arg(QDir::toNativeSeparators(fileName), outcome.reason),
             platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
}

} // namespace editor
