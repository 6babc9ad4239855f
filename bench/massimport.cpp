// Times the mass import of camera-sized photographs (4000 x 3000) into the 5 x 5
// panes of a 1920 x 1080 work area through the editor's own import, for JPEG,
// PNG, WebP and HEIC, against the two fastest tools a user could turn to instead
// and against the bare cost of decoding at the size needed with the same library,
// and measures the JPEG import's peak memory for a quarter of the photos and for
// all of them, each in a process of its own.
//   bench_massimport [--pictures N] [--runs N]      (200 pictures, best of 3 runs)
#include "benchprocess.h"
#include "editor/model/project/pictureimport.h"
#include "editor/model/project/picturesequence.h"
#include "editor/model/storage/workfolder.h"
#include "editor/ui/windowlayout.h"
#include "platform/numbers.h"
#include "platform/turbojpegencoder.h"
#include "platform/webpdecoder.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtConcurrent/QtConcurrentMap>

#include <libheif/heif.h>
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

constexpr int kPhotoWidth = 4000;
constexpr int kPhotoHeight = 3000;
constexpr int kQuality = 90;
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

// How many pictures of each format, and how many runs of which the best counts
// (the machine may be shared).
struct Settings {
    int photos = 200;
    int runs = 3;
};

enum class Format { Jpeg, Png, WebP, Heic };

const char* formatName(Format format) {
    switch (format) {
    case Format::Jpeg:
        return "JPEG";
    case Format::Png:
        return "PNG";
    case Format::WebP:
        return "WebP";
    case Format::Heic:
        return "HEIC";
    }
    return "";
}

QString photoName(int number, Format format = Format::Jpeg) {
    const char* suffix[] = {"jpg", "png", "webp", "heic"};
    return QStringLiteral("Photo%1.%2")
        .arg(platform::zeroPadded(number, 3), QLatin1String(suffix[int(format)]));
}

// Smooth gradients of a landscape with a fine texture over them, as a camera
// gives: they compress like a real photograph. Rows of red, green and blue.
std::vector<unsigned char> photoPixels(int number) {
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
    return pixels;
}

QByteArray makeJpeg(int number) {
    const std::vector<unsigned char> pixels = photoPixels(number);
    platform::TurboJpegEncoder encoder;
    return encoder.encodeBottomUpBgr(pixels.data(), kPhotoWidth, kPhotoWidth * 3, kPhotoHeight,
                                     kQuality, nullptr);
}

bool writeWhole(const QString& name, const QByteArray& bytes) {
    QSaveFile file(name);
    return !bytes.isEmpty() && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size() && file.commit();
}

// PNG and WebP through Qt's writers, HEIC through libheif's encoder (heif-enc)
// from the PNG, as a phone would store them: no thumbnail in the file.
bool writeOtherFormats(const QDir& folder, int number) {
    const std::vector<unsigned char> pixels = photoPixels(number);
    const QImage photo(pixels.data(), kPhotoWidth, kPhotoHeight, kPhotoWidth * 3,
                       QImage::Format_RGB888);
    const QString png = folder.filePath(photoName(number, Format::Png));
    QImageWriter webp(folder.filePath(photoName(number, Format::WebP)), "webp");
    webp.setQuality(kQuality);
    if (!photo.save(png, "PNG") || !webp.write(photo))
        return false;
    QProcess encoder;
    encoder.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    encoder.start(QStringLiteral("heif-enc"),
                  {QStringLiteral("-q"), QString::number(kQuality), png, QStringLiteral("-o"),
                   folder.filePath(photoName(number, Format::Heic))});
    encoder.setStandardOutputFile(QProcess::nullDevice());
    return encoder.waitForFinished(-1) && encoder.exitCode() == 0;
}

bool writePhotos(const QDir& jpegCache, const QDir& others, int photos) {
    QList<int> missing;
    for (int number = 1; number <= photos; ++number)
        if (!QFileInfo::exists(jpegCache.filePath(photoName(number))))
            missing << number;
    std::printf("Generating %d photos of %d x %d in PNG, WebP and HEIC in %s, and %lld in JPEG "
                "in %s (kept) ...\n",
                photos, kPhotoWidth, kPhotoHeight, qPrintable(others.path()),
                static_cast<long long>(missing.size()), qPrintable(jpegCache.path()));
    std::fflush(stdout);
    const QList<bool> jpegs = QtConcurrent::blockingMapped<QList<bool>>(missing, [&](int number) {
        return writeWhole(jpegCache.filePath(photoName(number)), makeJpeg(number));
    });
    QList<int> all;
    for (int number = 1; number <= photos; ++number)
        all << number;
    const QList<bool> rest = QtConcurrent::blockingMapped<QList<bool>>(
        all, [&](int number) { return writeOtherFormats(others, number); });
    const auto allTrue = [](const QList<bool>& done) {
        return std::all_of(done.begin(), done.end(), [](bool ok) { return ok; });
    };
    return allTrue(jpegs) && allTrue(rest);
}

QStringList photoFiles(const QDir& folder, Format format, int photos) {
    QStringList files;
    for (int number = 1; number <= photos; ++number)
        files << folder.filePath(photoName(number, format));
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

// The last `photos` panes of the project take the photos, so the import ends
// with the last one wanted whatever else the folder holds.
std::optional<Timing> timeOurImport(const QString& firstPhoto, int photos, int paneSize) {
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
    const editor::PictureSequence sequence = editor::PictureSequence::recognise(firstPhoto);
    const Stopwatch stopwatch;
    const editor::SequenceImport result = editor::importPictureSequence(
        project, sequence, editor::kLastPane - photos + 1, paneSize, *folder);
    const Timing elapsed = stopwatch.elapsed();
    if (result.filled != photos) {
        std::printf("  the import filled %d panes, not %d\n", result.filled, photos);
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
bool decodeJpegScaled(const QString& name, int paneSize) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    const std::unique_ptr<void, int (*)(tjhandle)> handle(tjInitDecompress(), tjDestroy);
    auto* data = reinterpret_cast<unsigned char*>(const_cast<char*>(bytes.data()));
    int width = 0, height = 0, subsampling = 0, colourspace = 0;
    if (tjDecompressHeader3(handle.get(), data, static_cast<unsigned long>(bytes.size()), &width,
                            &height, &subsampling, &colourspace) != 0)
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
}

// Qt's PNG reader at the size asked: it scales each row as it reads; PNG has
// nothing smaller to decode.
bool decodePngScaled(const QString& name, QSize size) {
    QImageReader reader(name);
    reader.setScaledSize(size);
    return !reader.read().isNull();
}

// libwebp scaling each row as it decodes.
bool decodeWebpScaled(const QString& name, QSize size) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) &&
           !platform::decodeWebpScaled(file.readAll(), size).isNull();
}

// libheif's one decode of the primary picture, at its stored size: it offers no
// smaller one.
bool decodeHeic(const QString& name) {
    heif_context* context = heif_context_alloc();
    heif_image_handle* handle = nullptr;
    heif_image* image = nullptr;
    const bool decoded =
        heif_context_read_from_file(context, qPrintable(name), nullptr).code == heif_error_Ok &&
        heif_context_get_primary_image_handle(context, &handle).code == heif_error_Ok &&
        heif_decode_image(handle, &image, heif_colorspace_RGB, heif_chroma_interleaved_RGBA,
                          nullptr)
                .code == heif_error_Ok;
    heif_image_release(image);
    heif_image_handle_release(handle);
    heif_context_free(context);
    return decoded;
}

// Every photo decoded at the size the pane needs as far as its library can,
// on all cores, writing nothing.
std::optional<Timing> timeDecodeFloor(const QStringList& files, Format format, int paneSize) {
    const Stopwatch stopwatch;
    const QList<bool> decoded =
        QtConcurrent::blockingMapped<QList<bool>>(files, [=](const QString& name) {
            switch (format) {
            case Format::Jpeg:
                return decodeJpegScaled(name, paneSize);
            case Format::Png:
                return decodePngScaled(name, QSize(paneSize, paneSize));
            case Format::WebP:
                return decodeWebpScaled(name, QSize(paneSize, paneSize));
            case Format::Heic:
                return decodeHeic(name);
            }
            return false;
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

void printLine(const char* what, const std::optional<Timing>& timing, int photos) {
    if (timing)
        std::printf("  %-42s %6.1f ms per picture  (%6.0f ms; processor %6.1f ms per picture)\n",
                    what, timing->wallMs / photos, timing->wallMs, timing->cpuMs / photos);
    else
        std::printf("  %-42s not measured (tool missing or failed)\n", what);
}

void printRatio(const char* against, const std::optional<Timing>& ours,
                const std::optional<Timing>& theirs, const char* goal) {
    if (ours && theirs && theirs->wallMs > 0 && theirs->cpuMs > 0)
        std::printf("  ours / %-14s %5.2f   (goal %s; processor time %5.2f)\n", against,
                    ours->wallMs / theirs->wallMs, goal, ours->cpuMs / theirs->cpuMs);
}

// One format: ours, ImageMagick, vipsthumbnail and the floor in turn, each run
// `runs` times, the best counting. False when ours failed.
bool benchFormat(Format format, const QStringList& files, int paneSize, int runs) {
    readAll(files);
    const QString square = QStringLiteral("%1x%1").arg(paneSize);
    QStringList mogrifyArguments;
    // ImageMagick's own shortcut: its JPEG reader decodes at a fraction of the size.
    if (format == Format::Jpeg)
        mogrifyArguments << QStringLiteral("-define") << QStringLiteral("jpeg:size=") + square;
    mogrifyArguments << QStringLiteral("-resize") << square + QLatin1Char('!')
                     << QStringLiteral("-format") << QStringLiteral("bmp");
    QTemporaryDir peerOutput;
    mogrifyArguments.prepend(peerOutput.path());
    mogrifyArguments.prepend(QStringLiteral("-path"));
    const int photos = int(files.size());
    std::optional<Timing> ours, mogrify, vips, floor;
    for (int run = 0; run < runs; ++run) {
        keepBest(ours, timeOurImport(files.first(), photos, paneSize));
        keepBest(mogrify, timePeer(QStringLiteral("mogrify"), mogrifyArguments, files));
        keepBest(vips,
                 timePeer(QStringLiteral("vipsthumbnail"),
                          {QStringLiteral("--size"), square + QLatin1Char('!'),
                           QStringLiteral("-o"), peerOutput.filePath(QStringLiteral("%s.bmp"))},
                          files));
        keepBest(floor, timeDecodeFloor(files, format, paneSize));
    }
    const char* floorName[] = {"floor: TurboJPEG DCT-scaled decode only",
                               "floor: Qt's PNG reader scaling rows only",
                               "floor: libwebp scaled decode only", "floor: libheif decode only"};
    std::printf("%s:\n", formatName(format));
    printLine("ours: the editor's mass import", ours, photos);
    printLine(format == Format::Jpeg ? "mogrify -define jpeg:size (xargs -P2)"
                                     : "mogrify -resize (xargs -P2)",
              mogrify, photos);
    printLine("vipsthumbnail (xargs -P2)", vips, photos);
    printLine(floorName[int(format)], floor, photos);
    printRatio("mogrify", ours, mogrify, "below 1.0");
    printRatio("vipsthumbnail", ours, vips, "below 1.0");
    printRatio("floor", ours, floor, "at most 1.2");
    std::fflush(stdout);
    return ours.has_value();
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

void reportImportPeaks(int allPhotos) {
    for (const int photos : {std::max(1, allPhotos / 4), allPhotos}) {
        const QList<QByteArray> peak =
            bench::runChild({QStringLiteral("--peak"), QString::number(photos)})
                .value_or(QByteArray())
                .simplified()
                .split(' ');
        if (peak.size() == 2)
            std::printf("  peak resident memory of an import of %3d JPEG photos: %.1f MiB (%.1f "
                        "MiB before it)\n",
                        photos, peak.at(1).toDouble(), peak.at(0).toDouble());
        else
            std::printf("  peak resident memory of an import of %3d JPEG photos: not measured\n",
                        photos);
    }
}

// "--pictures N" and "--runs N"; what is not given keeps its default.
Settings readSettings(const QStringList& arguments) {
    Settings settings;
    for (qsizetype i = 1; i + 1 < arguments.size(); i += 2) {
        const int value = arguments.at(i + 1).toInt();
        if (arguments.at(i) == QLatin1String("--pictures") && value > 0)
            settings.photos = std::min(value, editor::kLastPane);
        else if (arguments.at(i) == QLatin1String("--runs") && value > 0)
            settings.runs = value;
    }
    return settings;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QDir cache(QCoreApplication::applicationDirPath() +
                     QStringLiteral("/cache/massimport-%1x%2-q%3")
                         .arg(kPhotoWidth)
                         .arg(kPhotoHeight)
                         .arg(kQuality));
    const int stageExtent = editor::computeWindowLayout(kWorkArea).stage.height() - 15;
    const int paneSize = platform::roundHalfEven(double(stageExtent) / kGridSize);
    if (argc == 3 && QByteArray(argv[1]) == "--peak")
        return importAndReportPeak(cache, QByteArray(argv[2]).toInt(), paneSize);
    const Settings settings = readSettings(app.arguments());
    // PNG photos take some 20 MB each: made afresh for each run and gone after it.
    QTemporaryDir others;
    if (!QDir().mkpath(cache.path()) || !others.isValid() ||
        !writePhotos(cache, QDir(others.path()), settings.photos)) {
        std::printf("Could not write the photos into %s and %s\n", qPrintable(cache.path()),
                    qPrintable(others.path()));
        return 1;
    }
    std::printf("Mass import: %d photos of %d x %d (quality %d) in each format into %d x %d "
                "panes\n(%d x %d grid, %d x %d work area), %d cores, best of %d runs\n",
                settings.photos, kPhotoWidth, kPhotoHeight, kQuality, paneSize, paneSize, kGridSize,
                kGridSize, kWorkArea.width(), kWorkArea.height(), QThread::idealThreadCount(),
                settings.runs);
    bool measured = true;
    for (const Format format : {Format::Jpeg, Format::Png, Format::WebP, Format::Heic}) {
        const QDir folder = format == Format::Jpeg ? cache : QDir(others.path());
        measured &= benchFormat(format, photoFiles(folder, format, settings.photos), paneSize,
                                settings.runs);
    }
    reportImportPeaks(settings.photos);
    return measured ? 0 : 1;
}
