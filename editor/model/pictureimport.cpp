#include "editor/model/pictureimport.h"

#include "editor/model/paneimage.h"
#include "editor/model/picturesequence.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace editor {
namespace {

struct PaneJob {
    int pane = 0;
    PaneRecord kept;
    QString source;
    QString target;
    // Bitmaps are written beside their final name and take it only when their
    // pane is filled, so a bitmap of a pane after the stop never replaces a file
    // that a restored pane still uses.
    QString pending;
};

bool replaceFile(const QString& from, const QString& to) {
    std::error_code failure;
    std::filesystem::rename(QFile::encodeName(from).toStdString(),
                            QFile::encodeName(to).toStdString(), failure);
    return !failure;
}

// Points every pane from `firstPane` on at its member, in pane order, each
// bitmap named while the panes before it already hold their new names; stops
// at the first member that is missing.
QList<PaneJob> planImport(ProjectRecord& project, const PictureSequence& sequence, int firstPane,
                          const WorkFolder& folder) {
    QList<PaneJob> jobs;
    for (int pane = firstPane; pane <= kLastPane; ++pane) {
        const QString source = sequence.memberFileName(sequence.startNumber() + (pane - firstPane));
        if (!QFileInfo(source).isFile())
            break;
        PaneRecord& record = project.Panes[pane];
        PaneJob job{pane, record, source, {}, {}};
        record.PictureName = sequence.prefix();
        record.SourcePicture = source;
        record.FlipH = 0;
        record.FlipV = 0;
        job.target = newWorkPictureName(project, pane, folder);
        job.pending = job.target + QStringLiteral(".part");
        record.WorkPicture = job.target;
        jobs.append(job);
    }
    return jobs;
}

} // namespace

bool loadPicture(ProjectRecord& project, int pane, const QString& fileName, int size,
                 const WorkFolder& folder, QString* error) {
    const PaneRecord kept = project.Panes[pane];
    PaneRecord& record = project.Panes[pane];
    record.PictureName = pictureNameOf(fileName);
    record.SourcePicture = fileName;
    record.FlipH = 0;
    record.FlipV = 0;
    if (PreparePaneImage(project, pane, size, true, folder, error))
        return true;
    record = kept;
    return false;
}

SequenceImport importPictureSequence(ProjectRecord& project, const PictureSequence& sequence,
                                     int firstPane, int size, const WorkFolder& folder,
                                     const ProgressReport& progress) {
    const QList<PaneJob> jobs = planImport(project, sequence, firstPane, folder);
    const auto total = static_cast<int>(jobs.size());
    if (progress)
        progress(0, total);
    QFuture<QString> written = QtConcurrent::mapped(jobs, [size](const PaneJob& job) {
        return writePaneImage(job.source, size, false, false, job.pending);
    });

    // Panes are filled in order as their bitmaps come in; the first that failed
    // ends the import.
    int filled = 0;
    bool stopped = false;
    QString failure;
    QEventLoop loop;
    QFutureWatcher<QString> watcher;
    const auto fillReadyPanes = [&] {
        while (!stopped && filled < total && written.isResultReadyAt(filled)) {
            const PaneJob& job = jobs.at(filled);
            failure = written.resultAt(filled);
            if (failure.isEmpty() && !replaceFile(job.pending, job.target))
                failure = QStringLiteral("%1: cannot replace the file").arg(job.target);
            if (!failure.isEmpty()) {
                stopped = true;
                written.cancel();
                loop.quit();
                return;
            }
            ++filled;
            if (progress)
                progress(filled, total);
        }
    };
    QObject::connect(&watcher, &QFutureWatcher<QString>::resultsReadyAt, &loop, fillReadyPanes);
    QObject::connect(&watcher, &QFutureWatcher<QString>::finished, &loop, [&] {
        fillReadyPanes();
        loop.quit();
    });
    // The workers never wait for this thread to take their results in.
    watcher.setPendingResultsLimit(std::max(total, 1));
    watcher.setFuture(written);
    if (total > 0)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    written.waitForFinished();

    for (int i = filled; i < total; ++i) {
        QFile::remove(jobs.at(i).pending);
        project.Panes[jobs.at(i).pane] = jobs.at(i).kept;
    }
    return {filled, firstPane + filled > kLastPane, failure};
}

QString importReport(int filled, const QString& failure) {
    QString report;
    if (filled == 0)
        report = QStringLiteral("I couldn't find any compatible images.\n"
                                "Choose images with number patterns such as : \n"
                                "Image01.bmp, Image1.gif, Image214.jpg");
    else if (filled == 1)
        report = QStringLiteral("I found only 1 compatible image.");
    else
        report = QStringLiteral("I found %1 compatible images.\nTruncation where current project "
                                "specifies.")
                     .arg(filled);
    if (!failure.isEmpty())
        report += QStringLiteral("\nI stopped at a picture I could not use: ") + failure;
    return report;
}

} // namespace editor
