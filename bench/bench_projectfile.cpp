// Saves and opens a project of 40 boards of 5 x 5 panes, every pane with a
// picture, for a 1920 x 1080 work area, through the editor's own code, each
// beside its floor in the same round:
// - a save against writing the same 1000 bitmaps as new files and forcing them
//   to the disk with one sync (and, for comparison, flushing each file, 16 at a
//   time, or writing in place); a save over the last save also against writing
//   new files beside the last copies, one sync and renaming them over those,
//   the least a save that replaces files whole can do; the sync calls of a save
//   are counted by strace;
// - an open against reading the 1000 stored bitmaps and writing them again on
//   all cores; its peak memory is measured in a process of its own, for 100 and
//   for 1000 panes.

#include "benchprocess.h"
#include "editor/model/project/paneimage.h"
#include "editor/model/storage/projectstorage.h"
#include "editor/model/storage/workfolder.h"
#include "editor/ui/windowlayout.h"
#include "platform/numbers.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtConcurrent/QtConcurrentMap>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstdio>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

using namespace editor;

namespace {

constexpr int kRounds = 5;
constexpr int kFlushThreads = 16;

QImage sourcePicture(int pane) {
    QImage image(320, 240, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qRgb((x + pane) % 256, (y * 2 + pane * 7) % 256, (x ^ y) % 256);
    }
    return image;
}

template <typename T> T median(QList<T> values) {
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "bench_projectfile: %s\n", what);
    std::exit(1);
}

int paneSizeForFullHd() {
    const int stageExtent = computeWindowLayout(QSize(1920, 1080)).stage.height() - 15;
    return platform::roundHalfEven(stageExtent / 5.0);
}

// Every pane of 40 boards of 5 x 5 filled from a picture of its own.
ProjectRecord makeProject(const QTemporaryDir& dir, const WorkFolder& work, int paneSize) {
    QDir().mkpath(dir.filePath(QStringLiteral("sources")));
    ProjectRecord project;
    project.GridSize = 5;
    project.BoardCount = 40;
    QList<int> panes;
    for (int p = 1; p <= kLastPane; ++p) {
        const QString source = dir.filePath(QStringLiteral("sources/Shot%1.jpg").arg(p));
        if (!sourcePicture(p).save(source, "JPEG", 90))
            fail("cannot write a source picture");
        project.Panes[p].SourcePicture = source;
        project.Panes[p].PictureName = QStringLiteral("Shot%1").arg(p);
        project.Panes[p].Text = QStringLiteral("Pane %1").arg(p);
        panes << p;
    }
    if (!prepareNewPaneImages(project, panes, paneSize, work).isEmpty())
        fail("preparing the panes failed");
    return project;
}

std::unique_ptr<WorkFolder> workFolderIn(const QString& path) {
    auto work = WorkFolder::create(path, QString(), nullptr);
    if (!work)
        fail("no work folder");
    return work;
}

void save(ProjectRecord& project, const QString& fileName, const WorkFolder& work) {
    if (!saveProject(project, projectPaths(fileName), 1000, 40, work).isEmpty())
        fail("saving failed");
}

QByteArray readAll(const QString& file) {
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// A new file, or with `over` the file there cut short and written again.
bool writeFile(const QString& file, const QByteArray& bytes, bool over, bool flush) {
    const int fd = ::open(QFile::encodeName(file).constData(),
                          O_WRONLY | O_CREAT | O_CLOEXEC | (over ? O_TRUNC : O_EXCL), 0666);
    if (fd < 0)
        return false;
    bool ok = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    if (flush)
        ok = ::fdatasync(fd) == 0 && ok;
    return ::close(fd) == 0 && ok;
}

// The floor of a save: the prepared bitmaps copied on all cores, as new files
// or over the floor's last copies, then one sync of the file system.
void copyAndSyncOnce(const QStringList& bitmaps, const QString& folder, bool over) {
    QDir().mkpath(folder);
    QtConcurrent::blockingMap(bitmaps, [&folder, over](const QString& bitmap) {
        if (!writeFile(folder + QLatin1Char('/') + QFileInfo(bitmap).fileName(), readAll(bitmap),
                       over, false))
            fail("the floor could not write");
    });
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0 || ::syncfs(fd) != 0 || ::close(fd) != 0)
        fail("the floor could not sync");
}

// The floor of a save over an earlier one: the copies cannot be written in place
// (a failure part-way would leave pictures of two saves), so each is written as
// a new file beside the one it replaces, all are synced once and renamed over
// the earlier ones, and the folder is synced. Replacing files costs a new inode
// each, which is dearer on a file system that has just freed as many.
void replaceAndSyncOnce(const QStringList& bitmaps, const QString& folder) {
    const auto target = [&folder](const QString& bitmap) {
        return folder + QLatin1Char('/') + QFileInfo(bitmap).fileName();
    };
    const auto temporary = [&folder](const QString& bitmap) {
        return folder + QStringLiteral("/.new-") + QFileInfo(bitmap).fileName();
    };
    QtConcurrent::blockingMap(bitmaps, [&](const QString& bitmap) {
        if (!writeFile(temporary(bitmap), readAll(bitmap), false, false))
            fail("the replacing floor could not write");
    });
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0 || ::syncfs(fd) != 0)
        fail("the replacing floor could not sync");
    for (const QString& bitmap : bitmaps)
        if (::rename(QFile::encodeName(temporary(bitmap)).constData(),
                     QFile::encodeName(target(bitmap)).constData()) != 0)
            fail("the replacing floor could not rename");
    if (::fsync(fd) != 0 || ::close(fd) != 0)
        fail("the replacing floor could not sync its folder");
}

// The other way to pay for durability: every copy flushed, many at a time.
void copyEachFlushed(const QStringList& bitmaps, const QString& folder) {
    QDir().mkpath(folder);
    std::atomic<qsizetype> next{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kFlushThreads; ++t)
        threads.emplace_back([&] {
            for (qsizetype i; (i = next++) < bitmaps.size();)
                if (!writeFile(folder + QLatin1Char('/') + QFileInfo(bitmaps.at(i)).fileName(),
                               readAll(bitmaps.at(i)), false, true))
                    fail("the flushed floor could not write");
        });
    for (std::thread& thread : threads)
        thread.join();
}

// Files removed are freed on the disk when the file system next commits, which
// here can take seconds: waiting for that outside the timings keeps the cleanup
// of one round out of the next round's numbers.
void settle(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::syncfs(fd);
        ::close(fd);
    }
}

// Run as a child: opens the project and prints the peak resident memory before
// and after, in MiB.
int openAndReportPeak(const QString& fileName, const QString& workPath) {
    const double before = bench::peakResidentMiB();
    auto work = workFolderIn(workPath);
    const ProjectPaths paths = projectPaths(fileName);
    const auto values = loadProjectFile(paths.FileName, nullptr);
    if (!values)
        fail("the saved project was refused");
    ProjectRecord project;
    applyProjectFile(project, *values, paths.pictureFolder(), *work);
    if (prepareProjectPictures(project, paneSizeForFullHd(), *work) != 0)
        fail("pictures went missing");
    std::printf("%.1f %.1f\n", before, bench::peakResidentMiB());
    return 0;
}

// Run as a child under strace: makes the project, then saves it `saves` times,
// the first into a new folder, the others over it.
int makeAndSave(int saves) {
    QTemporaryDir dir;
    auto work = workFolderIn(dir.filePath(QStringLiteral("program")));
    ProjectRecord project = makeProject(dir, *work, paneSizeForFullHd());
    const QString fileName = dir.filePath(QStringLiteral("saved/Trip.vv1"));
    QDir().mkpath(dir.filePath(QStringLiteral("saved")));
    for (int i = 0; i < saves; ++i)
        save(project, fileName, *work);
    return 0;
}

// The sync calls of a child run, by name.
std::optional<QMap<QString, int>> syncCallsOf(const QString& strace, int saves,
                                              const QString& summary) {
    QFile::remove(summary);
    const QStringList wrapper = {strace,
                                 QStringLiteral("-f"),
                                 QStringLiteral("-c"),
                                 QStringLiteral("-o"),
                                 summary,
                                 QStringLiteral("-e"),
                                 QStringLiteral("trace=fsync,fdatasync,syncfs,sync,msync,sync_"
                                                "file_range")};
    if (!bench::runChild({QStringLiteral("--saves"), QString::number(saves)}, wrapper))
        return std::nullopt;
    // The summary's rows hold the calls' count in the 4th column and end in the call's name.
    QMap<QString, int> calls;
    for (const QByteArray& line : readAll(summary).split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 5 && std::isdigit(static_cast<unsigned char>(fields.first().at(0))) &&
            fields.last() != "total")
            calls[QString::fromLatin1(fields.last())] += fields.at(3).toInt();
    }
    return calls;
}

void reportSyncCalls(const QTemporaryDir& dir) {
    const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
    if (strace.isEmpty()) {
        std::printf("  sync calls per save: not counted (strace is not installed)\n");
        return;
    }
    // What making the project costs is taken away: a run without a save beside
    // one with two, the first into a new folder and the second over it.
    const QString summary = dir.filePath(QStringLiteral("strace.txt"));
    const auto without = syncCallsOf(strace, 0, summary);
    const auto with = syncCallsOf(strace, 2, summary);
    if (!without || !with) {
        std::printf("  sync calls per save: not counted (strace failed)\n");
        return;
    }
    QStringList calls;
    double total = 0;
    for (auto call = with->cbegin(); call != with->cend(); ++call) {
        const double perSave = (call.value() - without->value(call.key())) / 2.0;
        total += perSave;
        if (perSave != 0)
            calls << QStringLiteral("%1 %2").arg(perSave).arg(call.key());
    }
    std::printf("  sync calls per save (counted by strace): %g (%s)\n", total,
                calls.isEmpty() ? "none" : qPrintable(calls.join(QStringLiteral(", "))));
}

void reportOpenPeaks(const QTemporaryDir& dir, ProjectRecord& project, const WorkFolder& work) {
    // The same pictures in a project of 4 boards: what grows with the panes shows
    // as the difference.
    const QString small = dir.filePath(QStringLiteral("saved/Small.vv1"));
    if (!saveProject(project, projectPaths(small), 100, 4, work).isEmpty())
        fail("saving the small project failed");
    for (const auto& [fileName, panes] :
         {std::pair{small, 100}, std::pair{dir.filePath(QStringLiteral("saved/Trip.vv1")), 1000}}) {
        const QList<QByteArray> peak =
            bench::runChild({QStringLiteral("--open"), fileName,
                             dir.filePath(QStringLiteral("peak%1").arg(panes))})
                .value_or(QByteArray())
                .simplified()
                .split(' ');
        if (peak.size() != 2)
            fail("the open in a process of its own failed");
        std::printf("  peak resident memory of an open of %4d panes: %.1f MiB (%.1f MiB before "
                    "it)\n",
                    panes, peak.at(1).toDouble(), peak.at(0).toDouble());
    }
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 4 && arguments.at(1) == QStringLiteral("--open"))
        return openAndReportPeak(arguments.at(2), arguments.at(3));
    if (arguments.size() == 3 && arguments.at(1) == QStringLiteral("--saves"))
        return makeAndSave(arguments.at(2).toInt());

    QTemporaryDir dir;
    if (!dir.isValid())
        fail("no temporary folder");
    const int paneSize = paneSizeForFullHd();
    auto work = workFolderIn(dir.filePath(QStringLiteral("program")));
    ProjectRecord project = makeProject(dir, *work, paneSize);
    QStringList bitmaps;
    for (int p = 1; p <= kLastPane; ++p)
        bitmaps << project.Panes[p].WorkPicture;

    QDir().mkpath(dir.filePath(QStringLiteral("saved")));
    const QString fileName = dir.filePath(QStringLiteral("saved/Trip.vv1"));
    const QString floorOver = dir.filePath(QStringLiteral("floor-over"));
    const QString floorReplaced = dir.filePath(QStringLiteral("floor-replaced"));
    save(project, fileName, *work);
    copyAndSyncOnce(bitmaps, floorOver, false);
    copyAndSyncOnce(bitmaps, floorReplaced, false);
    settle(dir.path());

    // The machine is shared: the median of the rounds, and of the ratios taken
    // within each round, stand up best to other work.
    QList<qint64> floors, floorsOver, floorsReplaced, flushed, freshSaves, saves, ownSaves, opens,
        openFloors;
    QList<double> freshRatios, ratios, replacedRatios, openRatios;
    const auto measure = [&dir](QList<qint64>& times, const std::function<void()>& step) {
        QElapsedTimer timer;
        timer.start();
        step();
        times << timer.elapsed();
        settle(dir.path());
    };
    for (int round = 0; round < kRounds; ++round) {
        const QString scratch = dir.filePath(QStringLiteral("round%1").arg(round));
        measure(floors,
                [&] { copyAndSyncOnce(bitmaps, scratch + QStringLiteral("/floor"), false); });
        measure(freshSaves, [&] { save(project, scratch + QStringLiteral("/Trip.vv1"), *work); });
        measure(floorsOver, [&] { copyAndSyncOnce(bitmaps, floorOver, true); });
        measure(floorsReplaced, [&] { replaceAndSyncOnce(bitmaps, floorReplaced); });
        measure(saves, [&] { save(project, fileName, *work); });
        measure(flushed, [&] { copyEachFlushed(bitmaps, scratch + QStringLiteral("/flushed")); });

        auto openWork = workFolderIn(scratch + QStringLiteral("/open"));
        ProjectRecord opened;
        measure(opens, [&] {
            const auto values = loadProjectFile(fileName, nullptr);
            if (!values)
                fail("the saved project was refused");
            applyProjectFile(opened, *values, projectPaths(fileName).pictureFolder(), *openWork);
            if (prepareProjectPictures(opened, paneSize, *openWork) != 0)
                fail("pictures went missing");
        });
        // The open's floor: the same bitmaps read and written again as new files, nothing else.
        const QDir floorFolder(scratch + QStringLiteral("/openfloor"));
        QDir().mkpath(floorFolder.path());
        measure(openFloors, [&] {
            QtConcurrent::blockingMap(bitmaps, [&](const QString& bitmap) {
                const QImage image(
                    opened.Panes[QFileInfo(bitmap).baseName().section('-', 1).toInt()]
                        .SourcePicture);
                image.save(floorFolder.filePath(QFileInfo(bitmap).fileName()), "BMP");
            });
        });
        // Saving the opened project over itself keeps every picture it replaces.
        measure(ownSaves, [&] { save(opened, fileName, *openWork); });

        freshRatios << double(freshSaves.last()) / double(std::max<qint64>(floors.last(), 1));
        ratios << double(saves.last()) / double(std::max<qint64>(floors.last(), 1));
        replacedRatios << double(saves.last()) / double(std::max<qint64>(floorsReplaced.last(), 1));
        openRatios << double(opens.last()) / double(std::max<qint64>(openFloors.last(), 1));
        openWork->remove();
        QDir(scratch).removeRecursively();
        settle(dir.path());
    }

    const auto ms = [](const QList<qint64>& values) {
        return static_cast<long long>(median(values));
    };
    std::printf("project file, 1000 panes of %d px (40 boards of 5 x 5, 1920 x 1080), "
                "median of %d rounds:\n",
                paneSize, kRounds);
    std::printf("  save floor (the 1000 bitmaps copied as new files on all cores, then one "
                "sync): %lld ms\n",
                ms(floors));
    std::printf("    the same copies each flushed instead, %d at a time: %lld ms; written in "
                "place over the last copies (which a save must not do): %lld ms\n",
                kFlushThreads, ms(flushed), ms(floorsOver));
    std::printf("  save into a new folder: %lld ms, / floor: %.2f (goal at most 1.5)\n",
                ms(freshSaves), median(freshRatios));
    std::printf("  save over the last save: %lld ms, / floor: %.2f (goal at most 1.5)\n", ms(saves),
                median(ratios));
    std::printf("    replacing floor (the same copies written beside the last ones, one sync, "
                "renamed over them): %lld ms; save over the last save / replacing floor: %.2f\n",
                ms(floorsReplaced), median(replacedRatios));
    std::printf("  save of the opened project over itself: %lld ms\n", ms(ownSaves));
    reportSyncCalls(dir);
    std::printf("  open: %lld ms\n", ms(opens));
    std::printf("  open floor (read and write the 1000 bitmaps on all cores): %lld ms\n",
                ms(openFloors));
    std::printf("  open / floor: %.2f (aim: at most 1.5)\n", median(openRatios));
    reportOpenPeaks(dir, project, *work);
    return 0;
}
