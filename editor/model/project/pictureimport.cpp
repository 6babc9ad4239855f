#include "editor/model/project/pictureimport.h"

#include "editor/model/project/paneimage.h"
#include "editor/model/project/picturesequence.h"

#include <QCollator>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QSet>
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
        const QString source =
            fileIgnoringCase(sequence.memberFileName(sequence.startNumber() + (pane - firstPane)));
        if (source.isEmpty())
            break;
        PaneRecord& record = project.Panes[pane];
        PaneJob job{pane, record, source, {}, {}};
        record.PictureName = storablePictureName(sequence.prefix());
        record.SourcePicture = source;
        record.Stamp = SourceStamp::of(source);
        record.FlipH = 0;
        record.FlipV = 0;
        job.target = newWorkPictureName(project, pane, folder);
        job.pending = job.target + QStringLiteral(".part");
        record.WorkPicture = job.target;
        jobs.append(job);
    }
    return jobs;
}

// Points pane firstPane + i at file i, in order, up to pane 1000. A pane whose
// picture turns out unreadable gets back its former bitmap, so no other pane's
// new bitmap may take that name: the former names of all these panes are kept
// out of the new ones (a pane may reuse its own).
QList<PaneJob> planDroppedPictures(ProjectRecord& project, const QStringList& files, int firstPane,
                                   const WorkFolder& folder) {
    const int last = std::min<qsizetype>(kLastPane, firstPane + files.size() - 1);
    QSet<QString> formerNames;
    for (int pane = firstPane; pane <= last; ++pane)
        if (project.Panes[pane].hasWorkPicture())
            formerNames.insert(project.Panes[pane].WorkPicture);
    QList<PaneJob> jobs;
    for (int pane = firstPane; pane <= last; ++pane) {
        const QString& source = files.at(pane - firstPane);
        PaneRecord& record = project.Panes[pane];
        PaneJob job{pane, record, source, {}, {}};
        record.PictureName = pictureNameOf(source);
        record.SourcePicture = source;
        record.Stamp = SourceStamp::of(source);
        record.FlipH = 0;
        record.FlipV = 0;
        const bool ownName = formerNames.remove(job.kept.WorkPicture);
        job.target = newWorkPictureName(project, pane, folder, formerNames);
        if (ownName)
            formerNames.insert(job.kept.WorkPicture);
        job.pending = job.target + QStringLiteral(".part");
        record.WorkPicture = job.target;
        jobs.append(job);
    }
    return jobs;
}

enum class OnUnreadable { Stop, Skip };

// Prepares the jobs' bitmaps on all cores and fills their panes strictly in
// order as the bitmaps come in. An unreadable picture either ends the filling
// there or only leaves its own pane out. Panes not filled get back exactly what
// they held. Returns, for each job, whether its pane was filled; `firstFailure`
// gets the file and the reason of the first pane that could not be.
QList<bool> fillPanes(ProjectRecord& project, const QList<PaneJob>& jobs, int size,
                      OnUnreadable onUnreadable, const ProgressReport& progress,
                      QString* firstFailure = nullptr) {
    const auto total = static_cast<int>(jobs.size());
    if (progress)
        progress(0, total);
    QFuture<QString> written = QtConcurrent::mapped(jobs, [size](const PaneJob& job) {
        return writePaneImage(job.source, size, false, false, job.pending);
    });

    QList<bool> filled(total, false);
    int next = 0;
    bool stopped = false;
    QEventLoop loop;
    QFutureWatcher<QString> watcher;
    const auto fillReadyPanes = [&] {
        while (!stopped && next < total && written.isResultReadyAt(next)) {
            const PaneJob& job = jobs.at(next);
            QString failure = written.resultAt(next);
            if (failure.isEmpty() && !replaceFile(job.pending, job.target))
                failure = QCoreApplication::translate("editor::PictureImport",
                                                      "%1: cannot replace the file")
                              .arg(job.target);
            filled[next] = failure.isEmpty();
            if (!filled[next] && firstFailure && firstFailure->isEmpty())
                *firstFailure = failure;
            if (!filled[next] && onUnreadable == OnUnreadable::Stop) {
                stopped = true;
                written.cancel();
                loop.quit();
                return;
            }
            ++next;
            if (progress)
                progress(next, total);
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

    for (int i = 0; i < total; ++i) {
        if (filled.at(i))
            continue;
        QFile::remove(jobs.at(i).pending);
        project.Panes[jobs.at(i).pane] = jobs.at(i).kept;
    }
    return filled;
}

} // namespace

bool loadPicture(ProjectRecord& project, int pane, const QString& fileName, int size,
                 const WorkFolder& folder, QString* error) {
    const PaneRecord kept = project.Panes[pane];
    PaneRecord& record = project.Panes[pane];
    record.PictureName = pictureNameOf(fileName);
    record.SourcePicture = fileName;
    // A picture chosen anew is read as it is now, even if it was this pane's before.
    record.Stamp = {};
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
    QString failure;
    const QList<bool> filled = fillPanes(project, planImport(project, sequence, firstPane, folder),
                                         size, OnUnreadable::Stop, progress, &failure);
    const auto count = static_cast<int>(filled.count(true));
    return {count, firstPane + count > kLastPane, failure};
}

QStringList naturalOrder(QStringList files) {
    // The C locale compares code points and cannot count; English sorts as a
    // file manager in it would.
    QCollator collator(QLocale().language() == QLocale::C ? QLocale(QLocale::English) : QLocale());
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(files.begin(), files.end(), [&collator](const QString& a, const QString& b) {
        const int byName = collator.compare(QFileInfo(a).fileName(), QFileInfo(b).fileName());
        return byName != 0 ? byName < 0 : collator.compare(a, b) < 0;
    });
    return files;
}

QStringList importDroppedPictures(ProjectRecord& project, const QStringList& files, int firstPane,
                                  int size, const WorkFolder& folder,
                                  const ProgressReport& progress) {
    const QList<PaneJob> jobs = planDroppedPictures(project, files, firstPane, folder);
    const QList<bool> filled = fillPanes(project, jobs, size, OnUnreadable::Skip, progress);
    QStringList leftOut;
    for (qsizetype i = 0; i < jobs.size(); ++i)
        if (!filled.at(i))
            leftOut << jobs.at(i).source;
    return leftOut;
}

QString importTitle() {
    return QCoreApplication::translate("editor::PictureImport", "Vistavel : Import");
}

QString importReport(int filled, const QString& failure) {
    QString report;
    if (filled == 0)
        report = QCoreApplication::translate("editor::PictureImport",
                                             "I couldn't find any compatible images.\n"
                                             "Choose images with number patterns such as : \n"
                                             "Image01.bmp, Image1.gif, Image214.jpg");
    else if (filled == 1)
        report = QCoreApplication::translate("editor::PictureImport",
                                             "I found only 1 compatible image.");
    else
        report = QCoreApplication::translate(
                     "editor::PictureImport",
                     "I found %1 compatible images.\nTruncation where current project "
                     "specifies.")
                     .arg(filled);
    // With none found the picture that could not be used is the one chosen.
    if (!failure.isEmpty())
        report +=
            (filled == 0
                 ? QCoreApplication::translate("editor::PictureImport",
                                               "\nThe picture you chose could not be used: ")
                 : QCoreApplication::translate("editor::PictureImport",
                                               "\nI stopped at a picture I could not use: ")) +
            failure;
    return report;
}

} // namespace editor
