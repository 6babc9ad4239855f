// Saves and opens a project of 40 boards of 5 x 5 panes, every pane with a
// picture, for a 1920 x 1080 work area, through the editor's own code, and
// compares the open with the floor: reading the 1000 stored bitmaps and writing
// them again on all cores.

#include "editor/model/paneimage.h"
#include "editor/model/projectstorage.h"
#include "editor/model/workfolder.h"
#include "editor/ui/windowlayout.h"
#include "platform/numbers.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <cstdio>

using namespace editor;

namespace {

constexpr int kRounds = 5;

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

void fail(const char* what) {
    std::fprintf(stderr, "bench_projectfile: %s\n", what);
    std::exit(1);
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        fail("no temporary folder");

    const int stageExtent = computeWindowLayout(QSize(1920, 1080)).stage.height() - 15;
    const int paneSize = platform::roundHalfEven(stageExtent / 5.0);

    // The project: every pane of 40 boards of 5 x 5 filled from a picture of its own.
    auto work = WorkFolder::create(dir.filePath(QStringLiteral("program")), QString(), nullptr);
    if (!work)
        fail("no work folder");
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
    if (!prepareNewPaneImages(project, panes, paneSize, *work).isEmpty())
        fail("preparing the panes failed");

    const ProjectPaths paths = projectPaths(dir.filePath(QStringLiteral("saved/Trip.vv1")));
    QDir().mkpath(paths.Folder);
    // The machine is shared: the median of the rounds, and of the ratios taken
    // within each round, stand up best to other work.
    QList<qint64> saves, opens, floors;
    QList<double> ratios;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        if (!saveProject(project, paths, 1000, 40, *work).isEmpty())
            fail("saving failed");
        const qint64 save = timer.elapsed();

        auto openWork = WorkFolder::create(dir.filePath(QStringLiteral("open%1").arg(round)),
                                           QString(), nullptr);
        if (!openWork)
            fail("no work folder for the open");
        ProjectRecord opened;
        timer.restart();
        const auto values = loadProjectFile(paths.FileName, nullptr);
        if (!values)
            fail("the saved project was refused");
        applyProjectFile(opened, *values, paths.pictureFolder(), *openWork);
        if (prepareProjectPictures(opened, paneSize, *openWork) != 0)
            fail("pictures went missing");
        const qint64 open = timer.elapsed();

        // The floor: the same bitmaps read and written again as new files, nothing else.
        const QDir floorFolder(dir.filePath(QStringLiteral("floor%1").arg(round)));
        QDir().mkpath(floorFolder.path());
        QList<int> all(panes);
        timer.restart();
        QtConcurrent::blockingMap(all, [&](int p) {
            const QImage image(opened.Panes[p].SourcePicture);
            image.save(floorFolder.filePath(QStringLiteral("%1.bmp").arg(p)), "BMP");
        });
        const qint64 floor = timer.elapsed();

        saves << save;
        opens << open;
        floors << floor;
        ratios << double(open) / double(std::max<qint64>(floor, 1));
        openWork->remove();
        QDir(floorFolder.path()).removeRecursively();
    }

    std::printf("project file, 1000 panes of %d px (40 boards of 5 x 5, 1920 x 1080), "
                "median of %d rounds:\n",
                paneSize, kRounds);
    std::printf("  save: %lld ms\n", static_cast<long long>(median(saves)));
    std::printf("  open: %lld ms\n", static_cast<long long>(median(opens)));
    std::printf("  floor (read and write the 1000 bitmaps on all cores): %lld ms\n",
                static_cast<long long>(median(floors)));
    std::printf("  open / floor: %.2f (aim: at most 1.5)\n", median(ratios));
    return 0;
}
