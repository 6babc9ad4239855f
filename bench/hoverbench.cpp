// How long one hover redraw takes on the stage of a 4K screen with a 2 x 2
// board, at 100 % (a 3840 x 2160 work area) and at 200 % (1920 x 1080 logical
// pixels, the same device pixels): the pointer walks across all four panes, so
// every step moves the highlight to another pane and puts the previous one's
// pixels back.

#include "editor/model/stage/boarddrawing.h"
#include "editor/model/stage/hoverhighlight.h"
#include "editor/model/stage/stagehittest.h"
#include "editor/ui/windowlayout.h"
#include "platform/numbers.h"
#include "platform/picturesurface.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <cstdio>

using namespace editor;

namespace {

void measure(QSize workArea, qreal ratio) {
    const QSize stageSize = computeWindowLayout(workArea).stage;
    const int gridSize = 2;
    const int paneSize = platform::roundHalfEven((stageSize.height() - 15) / double(gridSize));

    ProjectRecord project;
    project.GridSize = gridSize;
    for (int pane = 1; pane <= 4; ++pane)
        project.Panes[pane].Label =
            QStringLiteral("A label long enough to be shortened %1").arg(pane);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    platform::PictureSurface stage(stageSize, Qt::white, ratio);
    platform::PictureSurface cleanCopy;
    DrawBoard(project, 0, paneSize, gridSize, stage, cleanCopy, {loadBlankPattern(), font});

    const QList<QPoint> points = {{paneSize / 2, paneSize / 2},
                                  {paneSize + paneSize / 2, paneSize / 2},
                                  {paneSize + paneSize / 2, paneSize + paneSize / 2},
                                  {paneSize / 2, paneSize + paneSize / 2}};
    HoverHighlight highlight;
    const auto hover = [&](int step) {
        const QPoint at = points[step % points.size()];
        const int slot = hitTestSlot(project, at, paneSize, gridSize);
        highlight.draw(stage, cleanCopy.image(), project.Panes[slot].StagePos, paneSize,
                       project.Panes[slot].Label, Qt::green, font);
    };
    for (int step = 0; step < 20; ++step)
        hover(step);

    const int steps = 400;
    QElapsedTimer timer;
    timer.start();
    for (int step = 0; step < steps; ++step)
        hover(step);
    const double perHover = timer.nsecsElapsed() / 1e6 / steps;

    // For comparison: putting back the whole stage on every move.
    timer.restart();
    for (int step = 0; step < steps; ++step)
        stage.copyBlock(cleanCopy.image(), cleanCopy.image().rect(), QPoint(0, 0));
    const double wholeStage = timer.nsecsElapsed() / 1e6 / steps;

    std::printf("hover redraw, 2 x 2 board, %d x %d work area at %d %% (stage %d x %d, pane %d): "
                "%.3f ms per move (whole-stage restore alone: %.3f ms)\n",
                workArea.width(), workArea.height(), int(ratio * 100), stageSize.width(),
                stageSize.height(), paneSize, perHover, wholeStage);
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    measure(QSize(3840, 2160), 1);
    measure(QSize(1920, 1080), 2);
    return 0;
}
