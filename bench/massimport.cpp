// Times the mass import of 200 camera-sized photographs into the 5 x 5 panes of a
// 1920 x 1080 work area through the editor's own import, against the two fastest
// tools a user could turn to instead and against the bare cost of decoding, and
// measures the import's peak memory for 50 and for 200 photos, each in a process
// of its own.
#include "benchprocess.h"
#include "editor/model/project/pictureimport.h"
#include "editor/model/project/picturesequence.h"
#include "editor/model/storage/workfolder.h"
#include "editor/ui/windowlayout.h"
#include "platform/numbers.h"
#include "platform/turbojpegencoder.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtConcurrent/QtConcurrentMap>

#include <sys/resource.h>
#include <turbojpeg.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <random>
#include <vector>

namespace {

constexpr int kPhotos = 200;
constexpr int kPhotoWidth = 4000;
constexpr int kPhotoHeight = 3000;
constexpr int kQuality = 90;
constexpr int kRuns = 5; // the best of these counts: the machine may be shared
constexpr QSize kWorkArea{1920, 1080};
constexpr int kGridSize = 5;

// Wall-clock time, and the processor time of this process and of the children it
// waited for: the second stays fair when other work shares the machine.
struct Timing {
    double wallMs = 0;
    double cpuMs = 0;
};

double processorMs() {
    double total = 0;
    for (const int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
        rusage usage{};
        getrusage(who, &usage);
        total += (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
                 (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
    }
    return total;
}

class Stopwatch {
public:
    Stopwatch() : m_processorStart(processorMs()) { m_wall.start(); }
    Timing elapsed() const {
        return {m_wall.nsecsElapsed() / 1e6, processorMs() - m_processorStart};
    }

private:
    QElapsedTimer m_wall;
    double m_processorStart;
};

QString photoName(int number) {
    return QStringLiteral("Photo%1.jpg").arg(platform::zeroPadded(number, 3));
}

// Smooth gradients of a landscape with a fine texture over them, as a camera
// gives: they compress like a real photograph.
QByteArray makePhoto(int number) {
    std::mt19937 random(static_cast<unsigned>(number) * 7919u);
    std::uniform_real_distribution<double> phase(0.0, 6.283);
    std::uniform_int_distribution<int> grain(-7, 7);
    std::vector<int> texture(256 * 256);
    for (int& value : texture)
        value = grain(random);
    std::vector<std::array<int, 3>> across(kPhotoWidth), down(kPhotoHeight);
    const double p[6] = {phase(random), phase(random), phase(random),
                         phase(random), phase(random), phase(random)};
    for (int x = 0; x < kPhotoWidth; ++x)
        for (int c = 0; c < 3; ++c)
            across[x][c] =
                int(60 * std::sin(x / (900.0 + 250 * c) + p[c]) + 8 * std::sin(x / 23.0 + p[c]));
    for (int y = 0; y < kPhotoHeight; ++y)
        for (int c = 0; c < 3; ++c)
            down[y][c] = int(120 + 55 * std::cos(y / (700.0 + 300 * c) + p[3 + c]) +
                             8 * std::sin(y / 17.0 + p[c]));
    const int rowBytes = kPhotoWidth * 3;
    std::vector<unsigned char> pixels(std::size_t(rowBytes) * kPhotoHeight);
    for (int y = 0; y < kPhotoHeight; ++y) {
        unsigned char* row = pixels.data() + std::size_t(y) * rowBytes;
        const int* grainRow = texture.data() + (y & 255) * 256;
        for (int x = 0; x < kPhotoWidth; ++x)
            for (int c = 0; c < 3; ++c)
                row[x * 3 + c] = static_cast<unsigned char>(
                    std::clamp(down[y][c] + across[x][c] + grainRow[(x + c * 85) & 255], 0, 255));
    }
    platform::TurboJpegEncoder encoder;
    return encoder.encodeBottomUpBgr(pixels.data(), kPhotoWidth, rowBytes, kPhotoHeight, kQuality,
                                     nullptr);
}

bool writePhotos(const QDir& cache) {
    QList<int> missing;
    for (int number = 1; number <= kPhotos; ++number)
        if (!QFileInfo::exists(cache.filePath(photoName(number))))
            missing << number;
    if (missing.isEmpty())
        return true;
    std::printf("Generating %lld photos of %d x %d in %s (once) ...\n",
                static_cast<long long>(missing.size()), kPhotoWidth, kPhotoHeight,
                qPrintable(cache.path()));
    std::fflush(stdout);
    const QList<bool> written = QtConcurrent::blockingMapped<QList<bool>>(missing, [&](int number) {
        QSaveFile file(cache.filePath(photoName(number)));
        const QByteArray jpeg = makePhoto(number);
        return !jpeg.isEmpty() && file.open(QIODevice::WriteOnly) &&
               file.write(jpeg) == jpeg.size() && file.commit();
    });
    return std::all_of(written.begin(), written.end(), [](bool ok) { return ok; });
}

QStringList photoFiles(const QDir& cache) {
    QStringList files;
    for (int number = 1; number <= kPhotos; ++number)
        files << cache.filePath(photoName(number));
    return files;
}

// So that no contender pays for reading the disk.
void readAll(const QStringList& files) {
    for (const QString& name : files) {
        QFile file(name);
        if (file.open(QIODevice::ReadOnly))
            file.readAll();
    }
}

std::optional<Timing> timeOurImport(const QDir& cache, int paneSize) {
    QTemporaryDir scratch;
    QString error;
    const std::unique_ptr<editor::WorkFolder> folder =
        editor::WorkFolder::create(scratch.path(), QString(), &error);
    if (!folder) {
        std::printf("  no work folder: %s\n", qPrintable(error));
        return std::nullopt;
    }
    editor::ProjectRecord project;
    project.GridSize = kGridSize;
    project.BoardCount = static_cast<qint16>(editor::maxBoards(kGridSize));
    const editor::PictureSequence sequence =
        editor::PictureSequence::recognise(cache.filePath(photoName(1)));
    const Stopwatch stopwatch;
    const editor::SequenceImport result =
        editor::importPictureSequence(project, sequence, 1, paneSize, *folder);
    const Timing elapsed = stopwatch.elapsed();
    if (result.filled != kPhotos) {
        std::printf("  the import filled %d panes, not %d\n", result.filled, kPhotos);
        return std::nullopt;
    }
    return elapsed;
}

// The files on stdin of `xargs -P2`, split in two halves, one per core.
std::optional<Timing> timePeer(const QString& tool, const QStringList& toolArguments,
                               const QStringList& files) {
    if (QStandardPaths::findExecutable(tool).isEmpty())
        return std::nullopt;
    const int cores = QThread::idealThreadCount();
    QProcess xargs;
    xargs.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QStringList arguments = {QStringLiteral("-P%1").arg(cores), QStringLiteral("-n"),
                             QString::number((files.size() + cores - 1) / cores), tool};
    arguments += toolArguments;
    const Stopwatch stopwatch;
    xargs.start(QStringLiteral("xargs"), arguments);
    xargs.write(files.join(QLatin1Char('\n')).toLocal8Bit() + '\n');
    xargs.closeWriteChannel();
    if (!xargs.waitForFinished(-1) || xargs.exitCode() != 0) {
        std::printf("  %s failed\n", qPrintable(tool));
        return std::nullopt;
    }
    return stopwatch.elapsed();
}

// TurboJPEG decoding every photo at the smallest size its DCT scaling offers
// that still covers the square, on all cores, writing nothing.
std::optional<Timing> timeDecodeFloor(const QStringList& files, int paneSize) {
    const Stopwatch stopwatch;
    const QList<bool> decoded =
        QtConcurrent::blockingMapped<QList<bool>>(files, [paneSize](const QString& name) {
            QFile file(name);
            if (!file.open(QIODevice::ReadOnly))
                return false;
            const QByteArray bytes = file.readAll();
            const std::unique_ptr<void, int (*)(tjhandle)> handle(tjInitDecompress(), tjDestroy);
            auto* data = reinterpret_cast<unsigned char*>(const_cast<char*>(bytes.data()));
            int width = 0, height = 0, subsampling = 0, colourspace = 0;
            if (tjDecompressHeader3(handle.get(), data, static_cast<unsigned long>(bytes.size()),
                                    &width, &height, &subsampling, &colourspace) != 0)
                return false;
            int count = 0;
            const tjscalingfactor* factors = tjGetScalingFactors(&count);
            int bestWidth = width, bestHeight = height;
            for (int i = 0; i < count; ++i) {
                const int w = TJSCALED(width, factors[i]), h = TJSCALED(height, factors[i]);
                if (w >= paneSize && h >= paneSize && w * h < bestWidth * bestHeight) {
                    bestWidth = w;
                    bestHeight = h;
                }
            }
            std::vector<unsigned char> pixels(std::size_t(bestWidth) * bestHeight * 4);
            return tjDecompress2(handle.get(), data, static_cast<unsigned long>(bytes.size()),
                                 pixels.data(), bestWidth, 0, bestHeight, TJPF_BGRX, 0) == 0;
        });
    if (!std::all_of(decoded.begin(), decoded.end(), [](bool ok) { return ok; }))
        return std::nullopt;
    return stopwatch.elapsed();
}

void keepBest(std::optional<Timing>& best, std::optional<Timing> run) {
    if (!run)
        return;
    if (!best)
        best = run;
    best->wallMs = std::min(best->wallMs, run->wallMs);
    best->cpuMs = std::min(best->cpuMs, run->cpuMs);
}

void printLine(const char* what, const std::optional<Timing>& timing) {
    if (timing)
        std::printf("  %-42s %6.1f ms per picture  (%5.0f ms; processor %6.1f ms per picture)\n",
                    what, timing->wallMs / kPhotos, timing->wallMs, timing->cpuMs / kPhotos);
    else
        std::printf("  %-42s not measured (tool missing or failed)\n", what);
}

void printRatio(const char* against, const std::optional<Timing>& ours,
                const std::optional<Timing>& theirs, const char* goal) {
    if (ours && theirs && theirs->wallMs > 0 && theirs->cpuMs > 0)
        std::printf("  ours / %-14s %5.2f   (goal %s; processor time %5.2f)\n", against,
                    ours->wallMs / theirs->wallMs, goal, ours->cpuMs / theirs->cpuMs);
}

// Run as a child: imports the first `photos` photos of the sequence (the member
// after them is hidden by the sequence's end) and prints the peak resident
// memory before and after, in MiB.
int importAndReportPeak(const QDir& cache, int photos, int paneSize) {
    const double before = bench::peakResidentMiB();
    QTemporaryDir scratch;
    QString error;
    const std::unique_ptr<editor::WorkFolder> folder =
        editor::WorkFolder::create(scratch.path(), QString(), &error);
    if (!folder)
        return 1;
    editor::ProjectRecord project;
    project.GridSize = kGridSize;
    project.BoardCount = static_cast<qint16>(editor::maxBoards(kGridSize));
    const editor::PictureSequence sequence =
        editor::PictureSequence::recognise(cache.filePath(photoName(1)));
    // Starting so that pane 1000 takes the last photo wanted ends the import there.
    const int firstPane = editor::kLastPane - photos + 1;
    const editor::SequenceImport result =
        editor::importPictureSequence(project, sequence, firstPane, paneSize, *folder);
    if (result.filled != photos)
        return 1;
    std::printf("%.1f %.1f\n", before, bench::peakResidentMiB());
    return 0;
}

void reportImportPeaks() {
    for (const int photos : {kPhotos / 4, kPhotos}) {
        const QList<QByteArray> peak =
            bench::runChild({QStringLiteral("--peak"), QString::number(photos)})
                .value_or(QByteArray())
                .simplified()
                .split(' ');
        if (peak.size() == 2)
            std::printf("  peak resident memory of an import of %3d photos: %.1f MiB (%.1f MiB "
                        "before it)\n",
                        photos, peak.at(1).toDouble(), peak.at(0).toDouble());
        else
            std::printf("  peak resident memory of an import of %3d photos: not measured\n",
                        photos);
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QDir cache(QCoreApplication::applicationDirPath() +
                     QStringLiteral("/cache/massimport-%1x%2-q%3")
                         .arg(kPhotoWidth)
                         .arg(kPhotoHeight)
                         .arg(kQuality));
    if (!QDir().mkpath(cache.path()) || !writePhotos(cache)) {
        std::printf("Could not write the photos into %s\n", qPrintable(cache.path()));
        return 1;
    }
    const int stageExtent = editor::computeWindowLayout(kWorkArea).stage.height() - 15;
    const int paneSize = platform::roundHalfEven(double(stageExtent) / kGridSize);
    if (argc == 3 && QByteArray(argv[1]) == "--peak")
        return importAndReportPeak(cache, QByteArray(argv[2]).toInt(), paneSize);
    const QStringList files = photoFiles(cache);
    readAll(files);
    const QString square = QStringLiteral("%1x%1").arg(paneSize);
    QTemporaryDir peerOutput;

    std::optional<Timing> ours, mogrify, vips, floor;
    for (int run = 0; run < kRuns; ++run) {
        keepBest(ours, timeOurImport(cache, paneSize));
        keepBest(
            mogrify,
            timePeer(QStringLiteral("mogrify"),
                     {QStringLiteral("-path"), peerOutput.path(), QStringLiteral("-define"),
                      QStringLiteral("jpeg:size=") + square, QStringLiteral("-resize"),
                      square + QLatin1Char('!'), QStringLiteral("-format"), QStringLiteral("bmp")},
                     files));
        keepBest(vips,
                 timePeer(QStringLiteral("vipsthumbnail"),
                          {QStringLiteral("--size"), square + QLatin1Char('!'),
                           QStringLiteral("-o"), peerOutput.filePath(QStringLiteral("%s.bmp"))},
                          files));
        keepBest(floor, timeDecodeFloor(files, paneSize));
    }

    std::printf("Mass import: %d photos of %d x %d (JPEG quality %d) into %d x %d panes\n"
                "(%d x %d grid, %d x %d work area), %d cores, best of %d runs\n",
                kPhotos, kPhotoWidth, kPhotoHeight, kQuality, paneSize, paneSize, kGridSize,
                kGridSize, kWorkArea.width(), kWorkArea.height(), QThread::idealThreadCount(),
                kRuns);
    printLine("ours: the editor's mass import", ours);
    printLine("mogrify -define jpeg:size (xargs -P2)", mogrify);
    printLine("vipsthumbnail (xargs -P2)", vips);
    printLine("floor: TurboJPEG DCT-scaled decode only", floor);
    printRatio("mogrify", ours, mogrify, "below 1.0");
    printRatio("vipsthumbnail", ours, vips, "below 1.0");
    printRatio("floor", ours, floor, "at most 1.2");
    reportImportPeaks();
    return ours ? 0 : 1;
}
