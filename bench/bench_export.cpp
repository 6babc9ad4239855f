// The web export of the largest project (40 boards of 5 x 5, 1000 pictures of
// 203 x 203, as prepared for a 1920 x 1080 work area), through the export
// command's own path (the pages, then the pictures with their progress bar),
// against ImageMagick's mogrify converting the same bitmaps and against the
// floor of the whole job: reading the 1000 bitmap files, encoding them with
// TurboJPEG at quality 75 and writing each JPEG to a new file, on all cores.
#include "benchpictures.h"
#include "benchprocess.h"
#include "editor/export/htmlwordtable.h"
#include "editor/export/pagegenerator.h"
#include "editor/export/pictureprogress.h"
#include "editor/model/project/projectrecord.h"
#include "platform/numbers.h"
#include "platform/qtplatform.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtConcurrent/QtConcurrentMap>
#include <QtEndian>

#include <fcntl.h>
#include <sys/resource.h>
#include <turbojpeg.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>

using namespace editor;

namespace {

constexpr int kPanes = 1000;
constexpr int kSize = 203;
constexpr int kRounds = 5;

QImage picture(int pane) {
    return bench::photoLikePicture(pane, kSize);
}

// Files removed are freed on the disk when the file system next commits, which
// on some disks takes long: waiting for that outside the timings keeps the
// cleanup of one run out of the next one's numbers.
void settle(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::syncfs(fd);
        ::close(fd);
    }
}

// Wall-clock and processor seconds of one run; the second stays fair when other
// work shares the machine.
struct Timing {
    double wall = 0;
    double processor = 0;
};

double processorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

Timing timeOf(const std::function<void()>& run) {
    QElapsedTimer timer;
    timer.start();
    const double processor = processorSeconds();
    run();
    return {timer.nsecsElapsed() / 1e9, processorSeconds() - processor};
}

template <typename T> T median(QList<T> values) {
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// The floor's picture: a 24-bit bottom-up bitmap file's rows encoded as they lie.
bool encodeBitmapFile(tjhandle handle, const QString& bitmap, const QString& jpegFile) {
    QFile file(bitmap);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const int width = qFromLittleEndian<qint32>(data + 18);
    const int height = qFromLittleEndian<qint32>(data + 22);
    unsigned char* jpeg = nullptr;
    unsigned long jpegSize = 0;
    if (tjCompress2(handle, data + qFromLittleEndian<quint32>(data + 10), width,
                    (3 * width + 3) & ~3, height, TJPF_BGR, &jpeg, &jpegSize, TJSAMP_420, 75,
                    TJFLAG_BOTTOMUP) != 0)
        return false;
    const int fd = ::open(QFile::encodeName(jpegFile).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    const bool written = fd >= 0 && ::write(fd, jpeg, jpegSize) == ssize_t(jpegSize);
    tjFree(jpeg);
    return fd >= 0 && ::close(fd) == 0 && written;
}

// One TurboJPEG handle for each worker thread, made once.
void runFloor(const QStringList& bitmaps, const QString& out) {
    std::atomic<int> failed{0};
    QtConcurrent::blockingMap(bitmaps, [&out, &failed](const QString& bitmap) {
        thread_local const std::unique_ptr<void, int (*)(tjhandle)> handle(tjInitCompress(),
                                                                           tjDestroy);
        if (!encodeBitmapFile(handle.get(), bitmap,
                              out + QLatin1Char('/') + QFileInfo(bitmap).completeBaseName() +
                                  QStringLiteral(".JPG")))
            ++failed;
    });
    if (failed > 0) {
        std::fprintf(stderr, "bench_export: the floor failed on %d pictures\n", failed.load());
        std::exit(1);
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir scratch;
    const QString work = scratch.filePath("work");
    QDir().mkpath(work);

    std::printf("Preparing %d bitmaps of %d x %d ...\n", kPanes, kSize, kSize);
    ProjectRecord project;
    project.GridSize = 5;
    project.BoardCount = 40;
    QStringList bitmaps;
    for (int pane = 1; pane <= kPanes; ++pane) {
        PaneRecord& record = project.Panes[pane];
        record.PictureName = QStringLiteral("Image%1").arg(pane);
        record.WorkPicture =
            work + QStringLiteral("/Image%1-%2.BMP").arg(pane).arg(platform::zeroPadded(pane, 4));
        record.SourcePicture = record.WorkPicture;
        record.Label = QStringLiteral("Pane %1").arg(pane);
        record.Text = QStringLiteral("Scene %1").arg(pane);
        bitmaps << record.WorkPicture;
    }
    QtConcurrent::blockingMap(bitmaps, [](const QString& file) {
        picture(QFileInfo(file).baseName().section('-', 1).toInt()).save(file, "BMP");
    });
    settle(work);

    const HtmlWordTable words = HtmlWordTable::load();
    platform::QtPlatform platform;
    ExportOptions options;
    options.PaneGrid = 5;
    const QString magick = QStandardPaths::findExecutable(QStringLiteral("mogrify"));

    // Each round exports into an empty folder and then over what it wrote, as a
    // user exporting again does, beside the floor into an empty folder of its
    // own; the two take turns at going first. Nothing is removed until the end:
    // removing thousands of files slows down creating new ones for a while.
    QList<Timing> fresh, again, floors, pages, magickFresh, magickAgain;
    QList<double> freshRatios, againRatios, processorRatios;
    int written = 0;
    for (int round = 0; round < kRounds; ++round) {
        const QString out = scratch.filePath(QStringLiteral("web%1").arg(round));
        const QString floorOut = scratch.filePath(QStringLiteral("floor%1").arg(round));
        QDir().mkpath(out);
        QDir().mkpath(floorOut);
        settle(scratch.path());
        const auto exportOnce = [&] {
            const ExportTarget target{out + "/tour.htm", out + '/', "tour"};
            PageCounters counters;
            pages << timeOf([&] {
                writeExportPages(project, words, options, target, counters, nullptr, nullptr);
            });
            convertPicturesWithProgress(nullptr, platform, project, target.folder);
        };
        for (int turn = 0; turn < 2; ++turn) {
            if ((turn + round) % 2 == 0)
                floors << timeOf([&] { runFloor(bitmaps, floorOut); });
            else
                fresh << timeOf(exportOnce);
            settle(scratch.path());
        }
        again << timeOf(exportOnce);
        settle(scratch.path());
        written = int(QDir(out).entryList({"*.JPG"}, QDir::Files).size());
        freshRatios << fresh.last().wall / floors.last().wall;
        againRatios << again.last().wall / floors.last().wall;
        processorRatios << fresh.last().processor / floors.last().processor;

        if (!magick.isEmpty()) {
            const QString half[2] = {out + QStringLiteral("/magick-a"),
                                     out + QStringLiteral("/magick-b")};
            QDir().mkpath(half[0]);
            QDir().mkpath(half[1]);
            const auto mogrify = [&] {
                QProcess processes[2];
                for (int i = 0; i < 2; ++i)
                    processes[i].start(
                        magick, QStringList{"-path", half[i], "-format", "jpg", "-quality", "75"} +
                                    bitmaps.mid(i * kPanes / 2, kPanes / 2));
                for (QProcess& process : processes)
                    process.waitForFinished(-1);
            };
            magickFresh << timeOf(mogrify);
            settle(scratch.path());
            magickAgain << timeOf(mogrify);
            settle(scratch.path());
        }
    }

    const auto wall = [](const QList<Timing>& runs) {
        QList<double> values;
        for (const Timing& run : runs)
            values << run.wall;
        return median(values);
    };
    std::printf("Export of %d pictures of %d x %d (40 boards of 5 x 5, pages of 5 x 5), "
                "%d cores, median of %d rounds:\n",
                written, kSize, kSize, QThread::idealThreadCount(), kRounds);
    std::printf("  floor: read the bitmap files, TurboJPEG at quality 75, write new files: "
                "%.3f s\n",
                wall(floors));
    const auto report = [&](const char* what, const QList<Timing>& ours, double ratio,
                            const QList<Timing>& magickRuns) {
        std::printf("  %s: ours %.3f s, ours / floor = %.2f (goal at most 1.3)", what, wall(ours),
                    ratio);
        if (magick.isEmpty())
            std::printf(", mogrify: ImageMagick is not installed\n");
        else
            std::printf(", mogrify -quality 75 in two processes %.3f s, ours / mogrify = %.2f "
                        "(goal at most 0.5)\n",
                        wall(magickRuns), wall(ours) / wall(magickRuns));
    };
    report("into an empty folder", fresh, median(freshRatios), magickFresh);
    std::printf("    processor time into an empty folder, ours / floor = %.2f; of ours, the %d "
                "pages (each flushed to the disk): %.3f s\n",
                median(processorRatios), int(exportPageCount(5, 40, 5)), wall(pages));
    report("over the last export", again, median(againRatios), magickAgain);
    return written == kPanes ? 0 : 1;
}
