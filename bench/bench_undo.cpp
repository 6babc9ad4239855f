// Times the undo and redo of the two widest steps of the history on a project of
// 1000 panes: a mass import of 1000 pictures and a "Board Setup" that keeps the
// items (goal: each at most 100 ms, with no bitmap prepared again), and measures
// the memory a full history of 100 steps adds to such a project (goal: under
// 50 MiB). Undo and redo run as in the editor: the record is put back, the
// bitmaps are checked against the stage's pane size, the board of the step is
// drawn and the pane list's entries are made again.
#include "editor/model/commands/boardsetupcommand.h"
#include "editor/model/commands/sequenceimportcommand.h"
#include "editor/model/commands/shufflecommand.h"
#include "editor/model/project/listentries.h"
#include "editor/model/project/paneoperations.h"
#include "editor/model/project/picturesequence.h"
#include "editor/model/stage/boarddrawing.h"
#include "editor/model/storage/workfolder.h"
#include "editor/ui/windowlayout.h"
#include "platform/numbers.h"
#include "platform/picturesurface.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QTemporaryDir>
#include <QUndoStack>

#include <algorithm>
#include <cstdio>
#include <random>

namespace {

constexpr QSize kWorkArea{1280, 994};
constexpr int kPictures = 1000;
constexpr int kRounds = 5;
constexpr int kHistorySteps = 100;
constexpr double kGoalMs = 100;
constexpr double kGoalMiB = 50;

double residentMiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

// The window's part of an undo or redo, without the widgets.
class StageView : public editor::ChangeView {
public:
    StageView(editor::ProjectRecord& project, QSize stage)
        : m_project(project), m_stage(stage),
          m_extent(stage.height() - 15), m_style{editor::loadBlankPattern(),
                                                 QFont(QStringLiteral("DejaVu Sans"))} {}
    int bitmapSide(int gridSize) const override {
        return platform::roundHalfEven(double(m_extent) / gridSize);
    }
    void showChange(int pane) override {
        QStringList entries;
        for (int p = 1; p <= m_project.panesInUse(); ++p)
            entries << editor::paneListEntry(p, m_project.Panes[p].Text);
        const int board = pane > 0 ? m_project.boardOfPane(pane) - 1 : 0;
        platform::PictureSurface stage(m_stage);
        platform::PictureSurface clean;
        editor::DrawBoard(m_project, board, bitmapSide(m_project.GridSize), m_project.GridSize,
                          stage, clean, m_style);
    }

private:
    editor::ProjectRecord& m_project;
    QSize m_stage;
    int m_extent;
    editor::BoardStyle m_style;
};

bool writePictures(const QDir& folder) {
    for (int n = 1; n <= kPictures; ++n) {
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(qRgb(n % 256, (n * 7) % 256, (n * 13) % 256));
        if (!image.save(
                folder.filePath(QStringLiteral("Shot%1.bmp").arg(platform::zeroPadded(n, 3))),
                "BMP"))
            return false;
    }
    return true;
}

// Every bitmap in the work folder with the time it was last written.
QHash<QString, QDateTime> bitmapTimes(const QString& folder) {
    QHash<QString, QDateTime> times;
    QDirIterator files(folder, {QStringLiteral("*.BMP")}, QDir::Files);
    while (files.hasNext()) {
        files.next();
        times.insert(files.filePath(), files.fileInfo().lastModified());
    }
    return times;
}

double millisecondsOf(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

// Undoes and redoes the last step `kRounds` times; prints the slowest of each and
// whether any bitmap was written meanwhile.
bool timeUndoRedo(const char* what, QUndoStack& history, const QString& workFolder) {
    const QHash<QString, QDateTime> before = bitmapTimes(workFolder);
    double undo = 0;
    double redo = 0;
    for (int round = 0; round < kRounds; ++round) {
        undo = std::max(undo, millisecondsOf([&] { history.undo(); }));
        redo = std::max(redo, millisecondsOf([&] { history.redo(); }));
    }
    const bool untouched = bitmapTimes(workFolder) == before;
    std::printf("  %-34s undo %6.1f ms, redo %6.1f ms (goal: at most %.0f ms each; %s)\n", what,
                undo, redo, kGoalMs,
                untouched ? "no bitmap prepared again" : "BITMAPS WERE PREPARED AGAIN");
    return untouched && undo <= kGoalMs && redo <= kGoalMs;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QDir pictures(dir.filePath(QStringLiteral("pictures")));
    QString error;
    auto folder = QDir().mkpath(pictures.path())
                      ? editor::WorkFolder::create(dir.path(), QString(), &error)
                      : nullptr;
    if (!folder || !writePictures(pictures)) {
        std::printf("Could not prepare the benchmark in %s %s\n", qPrintable(dir.path()),
                    qPrintable(error));
        return 1;
    }
    editor::ProjectRecord project;
    project.GridSize = 5;
    project.BoardCount = 40;
    StageView view(project, editor::computeWindowLayout(kWorkArea).stage);
    editor::CommandContext context{project, *folder, view};
    QUndoStack history;
    history.setUndoLimit(kHistorySteps);

    std::printf("Undo and redo on a project of %d panes (5 x 5, 40 boards):\n", kPictures);
    auto import = std::make_unique<editor::SequenceImportCommand>(
        context,
        editor::PictureSequence::recognise(pictures.filePath(QStringLiteral("Shot001.bmp"))), 1,
        editor::ProgressReport{});
    const double importMs = millisecondsOf([&] { import->run(); });
    if (!import->result().reachedLastPane) {
        std::printf("  the import stopped at %d panes: %s\n", import->result().filled,
                    qPrintable(import->result().failure));
        return 1;
    }
    history.push(import.release());
    std::printf("  (the import itself, preparing %d bitmaps: %.0f ms)\n", kPictures, importMs);
    bool met = timeUndoRedo("Mass Image Import of 1000 pictures:", history, folder->path());

    auto setup = std::make_unique<editor::BoardSetupCommand>(context, editor::ProjectSetup{4, 62});
    const double setupMs = millisecondsOf([&] { setup->run(); });
    history.push(setup.release());
    std::printf("  (Board Setup 4 x 4 keeping the items, preparing the bitmaps anew: %.0f ms)\n",
                setupMs);
    met = timeUndoRedo("Board Setup keeping the items:", history, folder->path()) && met;

    // The widest steps but a Board Setup: each moves the pictures of all 1000 panes.
    history.clear();
    const double without = residentMiB();
    std::mt19937 random(2002);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int step = 0; step < kHistorySteps; ++step) {
        auto shuffle = std::make_unique<editor::ShuffleCommand>(
            context, 0,
            editor::ShuffleOrder(project.panesInUse(), 0, [&] { return unit(random); }));
        shuffle->run();
        history.push(shuffle.release());
    }
    const double added = residentMiB() - without;
    std::printf("  a history of %d steps, each changing all %d panes: %.1f MiB more "
                "(goal: under %.0f MiB)\n",
                history.count(), project.panesInUse(), added, kGoalMiB);
    met = met && added < kGoalMiB;
    std::printf("  %s\n", met ? "all goals met" : "A GOAL WAS MISSED");
    return 0;
}
