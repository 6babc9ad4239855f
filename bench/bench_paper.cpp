// The PDF of the largest project (40 boards of 5 x 5, 1000 JPEG pictures of
// 204 x 204, a label and a text each) on A4 as the export lays it out, through its own
// path, against the floor of the job: decoding the same pictures, encoding each
// with TurboJPEG at the printed pixel size and the quality the PDF's pictures
// get (94), on all cores, and writing them all into one file.
#include "benchpictures.h"
#include "editor/model/project/projectrecord.h"
#include "editor/print/pdfexport.h"
#include "platform/picturesurface.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtConcurrent/QtConcurrentMap>

#include <turbojpeg.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

using namespace editor;

namespace {

constexpr int kPanes = 1000;
constexpr int kSize = 204;
constexpr int kRounds = 3;

QImage picture(int pane) {
    return bench::photoLikePicture(pane, kSize);
}

double secondsOf(const std::function<void()>& run) {
    QElapsedTimer timer;
    timer.start();
    run();
    return timer.nsecsElapsed() / 1e9;
}

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// The floor: every picture decoded, encoded at `side` pixels and written into one file.
qint64 runFloor(const QStringList& pictures, int side, const QString& out) {
    const QList<QByteArray> jpegs =
        QtConcurrent::blockingMapped<QList<QByteArray>>(pictures, [side](const QString& file) {
            thread_local const std::unique_ptr<void, int (*)(tjhandle)> handle(tjInitCompress(),
                                                                               tjDestroy);
            const QImage image = platform::readPicture(file, nullptr, QSize(side, side))
                                     .convertToFormat(QImage::Format_RGB888);
            unsigned char* jpeg = nullptr;
            unsigned long size = 0;
            if (image.isNull() || tjCompress2(handle.get(), image.constBits(), image.width(),
                                              int(image.bytesPerLine()), image.height(), TJPF_RGB,
                                              &jpeg, &size, TJSAMP_420, 94, 0) != 0)
                return QByteArray();
            QByteArray bytes(reinterpret_cast<const char*>(jpeg), qsizetype(size));
            tjFree(jpeg);
            return bytes;
        });
    QFile file(out);
    qint64 total = 0;
    if (!file.open(QIODevice::WriteOnly))
        return -1;
    for (const QByteArray& jpeg : jpegs) {
        if (jpeg.isEmpty() || file.write(jpeg) != jpeg.size())
            return -1;
        total += jpeg.size();
    }
    return file.flush() ? total : -1;
}

// The pixel size the PDF gave its pictures, as pdfimages lists them.
int printedSide(const QString& pdf) {
    QProcess list;
    list.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    list.waitForFinished(120000);
    const QStringList rows = QString::fromUtf8(list.readAllStandardOutput()).split('\n');
    return rows.size() > 2 ? rows.at(2).simplified().split(' ').value(3).toInt() : 0;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTemporaryDir scratch;
    std::printf("Preparing %d JPEG pictures of %d x %d ...\n", kPanes, kSize, kSize);
    ProjectRecord project;
    project.GridSize = 5;
    project.BoardCount = 40;
    project.BoardTitle = QStringLiteral("The largest project");
    QStringList pictures;
    for (int pane = 1; pane <= kPanes; ++pane) {
        PaneRecord& record = project.Panes[pane];
        record.PictureName = QStringLiteral("Image%1").arg(pane);
        record.SourcePicture = scratch.filePath(record.PictureName + QStringLiteral(".jpg"));
        record.WorkPicture = record.SourcePicture;
        record.Label = QStringLiteral("Pane %1").arg(pane);
        record.Text =
            QStringLiteral("Scene %1: the camera follows the road. ").arg(pane).repeated(2);
        pictures << record.SourcePicture;
    }
    QtConcurrent::blockingMap(pictures, [](const QString& file) {
        picture(QFileInfo(file).completeBaseName().mid(5).toInt()).save(file, "JPEG", 90);
    });

    PaperOptions options;
    options.lastBoard = 40;
    const QString pdf = scratch.filePath(QStringLiteral("boards.pdf"));
    const QString floorFile = scratch.filePath(QStringLiteral("floor.jpgs"));
    QList<double> ours, floors, ratios;
    int side = 0;
    qint64 floorBytes = 0;
    for (int round = 0; round < kRounds; ++round) {
        for (int turn = 0; turn < 2; ++turn) {
            if ((turn + round) % 2 == 0) {
                ours << secondsOf([&] {
                    if (exportPdf(project, options, pdf).result != PaperOutcome::Result::Done) {
                        std::fprintf(stderr, "bench_paper: the PDF was not written\n");
                        std::exit(1);
                    }
                });
                side = printedSide(pdf);
            } else {
                floors << secondsOf(
                    [&] { floorBytes = runFloor(pictures, std::max(side, 1), floorFile); });
            }
        }
        ratios << ours.last() / floors.last();
    }
    if (floorBytes <= 0 || side <= 0) {
        std::fprintf(stderr, "bench_paper: the floor failed\n");
        return 1;
    }
    const qint64 pdfBytes = QFileInfo(pdf).size();
    std::printf("PDF of %d pictures of %d x %d (40 boards of 5 x 5, A4, pictures of %d x %d "
                "in the PDF), median of %d rounds:\n",
                kPanes, kSize, kSize, side, side, kRounds);
    std::printf(
        "  floor: decode, TurboJPEG at quality 94 on all cores, one file: %.3f s, %.1f MiB\n",
        median(floors), floorBytes / 1048576.0);
    std::printf("  ours: %.3f s, %.1f MiB, %d pages\n", median(ours), pdfBytes / 1048576.0, 40);
    std::printf("  time ours / floor = %.2f (goal at most 2), size ours / floor = %.2f (goal at "
                "most 2)\n",
                median(ratios), double(pdfBytes) / double(floorBytes));
    return 0;
}
