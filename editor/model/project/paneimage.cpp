#include "editor/model/project/paneimage.h"

#include "editor/model/storage/workfolder.h"
#include "platform/numbers.h"
#include "platform/picturesurface.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryFile>
#include <QtConcurrent/QtConcurrentMap>

#include <cstdio>

namespace editor {
namespace {

bool nameTakenByAnotherEntry(const ProjectRecord& project, int pane, const QString& name) {
    for (int p = 0; p <= kLastPane; ++p)
        if (p != pane && project.Panes[p].WorkPicture == name)
            return true;
    return false;
}

// The work folder is scratch that never outlives the editor: a bitmap is written
// to a temporary file beside its target and renamed over it, so that it is never
// seen half-written, but not forced to the disk, which for a small picture costs
// more than writing it.
bool writeScratchBitmap(const QImage& image, const QString& target, QString* error) {
    QTemporaryFile file(target + QStringLiteral(".XXXXXX"));
    if (!file.open() || !image.save(&file, "BMP") || !file.flush()) {
        *error = file.errorString();
        return false;
    }
    if (std::rename(QFile::encodeName(file.fileName()).constData(),
                    QFile::encodeName(target).constData()) != 0) {
        *error = QCoreApplication::translate("PaneImage", "cannot replace the file");
        return false;
    }
    file.setAutoRemove(false);
    return true;
}

QString changedSourceError(const QString& source) {
    return QStringLiteral("%1: %2").arg(
        source, QCoreApplication::translate("PaneImage",
                                            "changed on disk since the pane's picture was made"));
}

} // namespace

QString writePaneImage(const QString& source, int size, bool flipH, bool flipV,
                       const QString& target) {
    QString error;
    const QImage picture = platform::readPicture(source, &error, QSize(size + 1, size + 1));
    if (picture.isNull())
        return QStringLiteral("%1: %2").arg(source, error);
    if (!writeScratchBitmap(renderPaneImage(picture, size, flipH, flipV), target, &error))
        return QStringLiteral("%1: %2").arg(target, error);
    return {};
}

QString newWorkPictureName(const ProjectRecord& project, int pane, const WorkFolder& folder,
                           const QSet<QString>& reserved) {
    const QString stem =
        project.Panes[pane].PictureName + QLatin1Char('-') + platform::zeroPadded(pane, 4);
    QString name = folder.filePath(stem + QStringLiteral(".BMP"));
    for (int counter = 2; reserved.contains(name) || folder.isHeld(name) ||
                          nameTakenByAnotherEntry(project, pane, name);
         ++counter)
        name = folder.filePath(stem + QLatin1Char('-') + QString::number(counter) +
                               QStringLiteral(".BMP"));
    return name;
}

QImage renderPaneImage(const QImage& source, int size, bool flipH, bool flipV) {
    platform::PictureSurface surface(QSize(size, size));
    // The mirrored extents are one pixel longer so no row or column at the edge
    // stays unpainted.
    surface.stretchDraw(source, flipH ? size : 0, flipV ? size : 0, flipH ? -(size + 1) : size,
                        flipV ? -(size + 1) : size);
    return surface.image();
}

bool PreparePaneImage(ProjectRecord& project, int pane, int size, bool newFile,
                      const WorkFolder& folder, QString* error) {
    PaneRecord& record = project.Panes[pane];
    if (!record.hasSourcePicture())
        return true;
    if (!newFile && !record.hasWorkPicture())
        return true;
    const QString target = newFile ? newWorkPictureName(project, pane, folder) : record.WorkPicture;
    const SourceStamp stamp = SourceStamp::of(record.SourcePicture);
    const QString failure = record.sourceIsAsPrepared()
                                ? writePaneImage(record.SourcePicture, size, record.FlipH != 0,
                                                 record.FlipV != 0, target)
                                : changedSourceError(record.SourcePicture);
    if (!failure.isEmpty()) {
        if (error)
            *error = failure;
        return false;
    }
    record.WorkPicture = target;
    record.Stamp = stamp;
    return true;
}

QList<PaneImageFailure>
prepareNewPaneImages(ProjectRecord& project, const QList<int>& panes, int size,
                     const WorkFolder& folder,
                     const std::function<void(int done, int total)>& progress) {
    struct Job {
        int pane;
        QString previous;
        QString source;
        bool flipH;
        bool flipV;
        QString target;
        // Taken before the source is read; empty for a source changed since
        // the pane's bitmap was made, which is not read again.
        SourceStamp stamp;
    };
    QList<Job> jobs;
    for (int p : panes) {
        PaneRecord& record = project.Panes[p];
        if (!record.hasSourcePicture())
            continue;
        const QString previous = record.WorkPicture;
        // Recorded at once, so the next pane's name steers clear of it.
        record.WorkPicture = newWorkPictureName(project, p, folder);
        jobs.append(
            {p, previous, record.SourcePicture, record.FlipH != 0, record.FlipV != 0,
             record.WorkPicture,
             record.sourceIsAsPrepared() ? SourceStamp::of(record.SourcePicture) : SourceStamp{}});
    }
    const QFuture<QString> rendering = QtConcurrent::mapped(jobs, [size](const Job& job) {
        if (job.stamp.file.isEmpty())
            return changedSourceError(job.source);
        return writePaneImage(job.source, size, job.flipH, job.flipV, job.target);
    });
    QList<PaneImageFailure> failures;
    const int total = static_cast<int>(jobs.size());
    for (int i = 0; i < total; ++i) {
        const QString error = rendering.resultAt(i);
        PaneRecord& record = project.Panes[jobs.at(i).pane];
        if (!error.isEmpty()) {
            record.WorkPicture = jobs.at(i).previous;
            failures.append({jobs.at(i).pane, error});
        } else {
            record.Stamp = jobs.at(i).stamp;
        }
        if (progress)
            progress(i + 1, total);
    }
    return failures;
}

namespace {

QList<PaneImageFailure> rewritePaneImages(const ProjectRecord& project, const QList<int>& panes,
                                          int size) {
    const QList<QString> errors = QtConcurrent::blockingMapped<QList<QString>>(panes, [&project,
                                                                                       size](
                                                                                          int p) {
        const PaneRecord& record = project.Panes[p];
        const QString error = record.sourceIsAsPrepared()
                                  ? writePaneImage(record.SourcePicture, size, record.FlipH != 0,
                                                   record.FlipV != 0, record.WorkPicture)
                                  : changedSourceError(record.SourcePicture);
        // A source on a drive that is gone or in a folder that moved: the
        // bitmap itself, already mirrored, is scaled, as Board Setup does.
        if (!error.isEmpty() &&
            writePaneImage(record.WorkPicture, size, false, false, record.WorkPicture).isEmpty())
            return QString();
        return error;
    });
    QList<PaneImageFailure> failures;
    for (qsizetype i = 0; i < panes.size(); ++i)
        if (!errors.at(i).isEmpty())
            failures.append({panes.at(i), errors.at(i)});
    return failures;
}

} // namespace

QList<int> panesWithChangedSources(const ProjectRecord& project) {
    QList<int> panes;
    for (int p = 1; p <= kLastPane; ++p)
        if (project.Panes[p].hasSourcePicture() && !project.Panes[p].sourceIsAsPrepared() &&
            QFileInfo::exists(project.Panes[p].SourcePicture))
            panes << p;
    return panes;
}

QList<PaneImageFailure> rewriteAllPaneImages(const ProjectRecord& project, int size) {
    QList<int> panes;
    for (int p = 1; p <= kLastPane; ++p)
        if (project.Panes[p].hasSourcePicture() && project.Panes[p].hasWorkPicture())
            panes << p;
    return rewritePaneImages(project, panes, size);
}

QList<PaneImageFailure> fitPaneImages(const ProjectRecord& project, const QList<int>& panes,
                                      int size) {
    QList<int> misfits;
    for (int p : panes) {
        const PaneRecord& record = project.Panes[p];
        if (record.hasSourcePicture() && record.hasWorkPicture() &&
            QImageReader(record.WorkPicture).size() != QSize(size, size))
            misfits << p;
    }
    return misfits.isEmpty() ? QList<PaneImageFailure>{}
                             : rewritePaneImages(project, misfits, size);
}

} // namespace editor
