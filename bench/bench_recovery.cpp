// The recovery copy of a project of 40 boards of 5 x 5 panes, every pane with a
// picture and a text, for a 1920 x 1080 work area: the time the main thread
// spends on it after a change (taking the project's values and handing them to
// the worker; goal at most 20 ms), and the time the worker takes to write it,
// pictures linked to the prepared bitmaps.

#include "editor/model/project/paneimage.h"
#include "editor/model/storage/recoverykeeper.h"
#include "editor/model/storage/workfolder.h"
#include "editor/ui/windowlayout.h"
#include "platform/numbers.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QUndoStack>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

using namespace editor;

namespace {

constexpr int kRounds = 7;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "bench_recovery: %s\n", what);
    std::exit(1);
}

template <typename T> T median(QList<T> values) {
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

ProjectRecord makeProject(const QTemporaryDir& dir, const WorkFolder& work) {
    const int stageExtent = computeWindowLayout(QSize(1920, 1080)).stage.height() - 15;
    const int paneSize = platform::roundHalfEven(stageExtent / 5.0);
    ProjectRecord project;
    project.GridSize = 5;
    project.BoardCount = 40;
    QImage picture(320, 240, QImage::Format_RGB32);
    QList<int> panes;
    for (int p = 1; p <= kLastPane; ++p) {
        picture.fill(qRgb(p % 256, (p * 7) % 256, (p * 13) % 256));
        const QString source = dir.filePath(QStringLiteral("Shot%1.bmp").arg(p));
        if (!picture.save(source))
            fail("cannot write a source picture");
        project.Panes[p].SourcePicture = source;
        project.Panes[p].PictureName = QStringLiteral("Shot%1").arg(p);
        project.Panes[p].Text =
            QStringLiteral("The text of pane %1, as long as a sentence.").arg(p);
        panes << p;
    }
    if (!prepareNewPaneImages(project, panes, paneSize, work).isEmpty())
        fail("preparing the panes failed");
    return project;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    auto work = WorkFolder::create(dir.path(), QString(), nullptr);
    if (!dir.isValid() || !work)
        fail("no work folder");
    ProjectRecord project = makeProject(dir, *work);

    QUndoStack history;
    history.push(new QUndoCommand(QStringLiteral("Change")));
    RecoveryKeeper keeper(
        history,
        [&project] {
            return std::optional(RecoverySnapshot{project, {}});
        },
        *work);
    QList<double> mainThread, written;
    for (int round = 0; round < kRounds; ++round) {
        // A change between rounds, so every copy differs from the last.
        project.Panes[round + 1].Text = QStringLiteral("Changed in round %1").arg(round);
        QEventLoop done;
        QElapsedTimer worker;
        QObject::connect(&keeper, &RecoveryKeeper::written, &done,
                         [&](const QStringList& unwritten) {
                             if (!unwritten.isEmpty())
                                 fail("the recovery copy could not be written");
                             written << worker.nsecsElapsed() / 1e6;
                             done.quit();
                         });
        QElapsedTimer timer;
        timer.start();
        worker.start();
        keeper.writeSoon();
        mainThread << timer.nsecsElapsed() / 1e6;
        done.exec();
    }
    std::printf("recovery copy, 1000 panes (40 boards of 5 x 5, 1920 x 1080), median of %d "
                "rounds:\n",
                kRounds);
    std::printf("  on the main thread: %.2f ms (goal at most 20 ms)\n", median(mainThread));
    std::printf("  written on the worker (1000 pictures linked, one sync): %.0f ms\n",
                median(written));
    return 0;
}
