#include "editor/export/pictureconversion.h"

#include "editor/export/cdibsection.h"
#include "editor/export/pagegenerator.h"
#include "platform/jpegencoder.h"

#include <QCoreApplication>
#include <QFile>
#include <QtConcurrent/QtConcurrentMap>

namespace editor {
namespace {

// Writes the file in place: re-exporting over earlier pictures then costs no new
// files, which is most of the time on some file systems. A picture that cannot
// be written whole is removed rather than left half written; it can always be
// made again from the prepared bitmap.
bool writeWholeFile(const QString& fileName, const QByteArray& bytes, QString* error) {
    QFile file(fileName);
    const bool opened = file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    if (opened && file.write(bytes) == bytes.size() && file.flush())
        return true;
    if (error)
        *error = QStringLiteral("%1: %2").arg(fileName, file.errorString());
    if (opened) {
        file.close();
        file.remove();
    }
    return false;
}

} // namespace

bool SaveDibAsJpeg(const cDIBSection& dib, const QString& fileName, platform::JpegEncoder& encoder,
                   QString* error) {
    if (!dib.DIBSectionBitsPtr()) {
        if (error)
            *error = QCoreApplication::translate("editor::PageGenerator", "no picture to encode");
        return false;
    }
    const QByteArray jpeg =
        encoder.encodeBottomUpBgr(dib.DIBSectionBitsPtr(), dib.dib_width(), dib.BytesPerScanLine(),
                                  dib.dib_height(), 75, error);
    if (jpeg.isEmpty())
        return false;
    return writeWholeFile(fileName, jpeg, error);
}

QList<PictureJob> pictureJobs(const ProjectRecord& project, const QString& folder) {
    QList<PictureJob> jobs;
    for (int pane = 1; pane <= std::min(project.panesInUse(), kLastPane); ++pane) {
        const PaneRecord& record = project.Panes[pane];
        if (record.hasWorkPicture())
            jobs.append(
                {pane, record.WorkPicture, pictureFileName(folder, record.PictureName, pane)});
    }
    return jobs;
}

PictureOutcome convertPicture(const PictureJob& job, platform::JpegEncoder& encoder) {
    cDIBSection dib;
    if (!dib.Load(job.bitmap))
        return PictureOutcome::LoadFailed;
    return SaveDibAsJpeg(dib, job.jpeg, encoder) ? PictureOutcome::Written
                                                 : PictureOutcome::EncodeFailed;
}

QFuture<PictureOutcome> startPictureConversion(const QList<PictureJob>& jobs,
                                               platform::JpegEncoder& encoder) {
    return QtConcurrent::mapped(
        jobs, [&encoder](const PictureJob& job) { return convertPicture(job, encoder); });
}

} // namespace editor
