// The web export of the largest project (40 boards of 5 x 5, 1000 pictures of
// 203 x 203, as prepared for a 1920 x 1080 work area) against ImageMagick's
// mogrify converting the same bitmaps, and against the floor: TurboJPEG encoding
// the bitmaps already in memory on all cores.
#include "editor/export/cdibsection.h"
#include "editor/export/htmlwordtable.h"
#include "editor/export/pagegenerator.h"
#include "editor/export/pictureconversion.h"
#include "editor/model/projectrecord.h"
#include "platform/numbers.h"
#include "platform/turbojpegencoder.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtConcurrent/QtConcurrentMap>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

using namespace editor;

namespace {

constexpr int kPanes = 1000;
constexpr int kSize = 203;
constexpr int kRounds = 3;

// Something like a photograph: soft gradients with grain, different for every pane.
QImage picture(int pane) {
    QImage image(kSize, kSize, QImage::Format_RGB32);
    QRandomGenerator random(static_cast<quint32>(pane));
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const int grain = int(random.bounded(24));
            image.setPixel(x, y,
                           qRgb((x + pane) % 200 + grain, (y * 2 + pane * 3) % 200 + grain,
                                (x + y + pane * 7) % 200 + grain));
        }
    return image;
}

// The first run writes into an empty folder; the later ones write over what
// it left, as a user exporting again does. Both matter: creating a thousand
// files costs far more than rewriting them on some file systems.
struct Timing {
    double fresh = 0;
    double again = 1e9;
};

Timing timeRuns(const std::function<void()>& run) {
    Timing timing;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        run();
        const double seconds = timer.nsecsElapsed() / 1e9;
        if (round == 0)
            timing.fresh = seconds;
        else
            timing.again = std::min(timing.again, seconds);
    }
    return timing;
}

void emptyFolder(const QString& path) {
    QDir(path).removeRecursively();
    QDir().mkpath(path);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
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

    const QString out = scratch.filePath("web");
    const HtmlWordTable words = HtmlWordTable::load();
    platform::TurboJpegEncoder encoder;
    ExportOptions options;
    options.PaneGrid = 5;

    emptyFolder(out);
    const Timing ours = timeRuns([&] {
        const ExportTarget target{out + "/tour.htm", out + '/', "tour"};
        PageCounters counters;
        writeExportPages(project, words, options, target, counters, nullptr, nullptr);
        startPictureConversion(pictureJobs(project, target.folder), encoder).waitForFinished();
    });
    const int written = int(QDir(out).entryList({"*.JPG"}, QDir::Files).size());

    std::vector<std::unique_ptr<cDIBSection>> loaded;
    for (const QString& file : bitmaps) {
        loaded.push_back(std::make_unique<cDIBSection>());
        loaded.back()->Load(file);
    }
    const Timing floor = timeRuns([&] {
        QtConcurrent::blockingMap(loaded, [&encoder](const std::unique_ptr<cDIBSection>& dib) {
            encoder.encodeBottomUpBgr(dib->DIBSectionBitsPtr(), dib->dib_width(),
                                      dib->BytesPerScanLine(), dib->dib_height(), 75, nullptr);
        });
    });
    const double floorBest = std::min(floor.fresh, floor.again);

    std::printf("Export of %d pictures of %d x %d (40 boards of 5 x 5, pages of 5 x 5), "
                "%d cores:\n",
                written, kSize, kSize, QThread::idealThreadCount());
    std::printf("  floor: TurboJPEG, bitmaps in memory, best of %d: %.3f s\n", kRounds, floorBest);

    const QString magick = QStandardPaths::findExecutable(QStringLiteral("mogrify"));
    Timing mogrify;
    if (!magick.isEmpty()) {
        const QString half[2] = {scratch.filePath("magick-a"), scratch.filePath("magick-b")};
        emptyFolder(half[0]);
        emptyFolder(half[1]);
        mogrify = timeRuns([&] {
            QProcess processes[2];
            for (int i = 0; i < 2; ++i)
                processes[i].start(
                    magick, QStringList{"-path", half[i], "-format", "jpg", "-quality", "75"} +
                                bitmaps.mid(i * kPanes / 2, kPanes / 2));
            for (QProcess& process : processes)
                process.waitForFinished(-1);
        });
    }

    const auto report = [&](const char* what, double seconds, double magickSeconds) {
        std::printf("  %s: ours %.3f s, ours / floor = %.2f (goal at most 1.5)", what, seconds,
                    seconds / floorBest);
        if (magick.isEmpty())
            std::printf(", mogrify: ImageMagick is not installed\n");
        else
            std::printf(", mogrify -quality 75 in two processes %.3f s, ours / mogrify = %.2f "
                        "(goal at most 0.5)\n",
                        magickSeconds, seconds / magickSeconds);
    };
    report("into an empty folder", ours.fresh, mogrify.fresh);
    report("over the last export, best of 2", ours.again, mogrify.again);
    return written == kPanes ? 0 : 1;
}
