#include "editor/model/project/paneimage.h"
#include "editor/ui/frmmain.h"
#include "editor/ui/windowlayout.h"
#include "editortesting.h"
#include "fakeplatform.h"
#include "testmain.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace editor;
using testsupport::listEntries;

namespace {

const QRgb kGrey = qRgb(193, 193, 193), kWhite = qRgb(255, 255, 255), kBlack = qRgb(0, 0, 0);

} // namespace

class FrmMainTest : public QObject, protected testsupport::EditorWindowFixture {
    Q_OBJECT
private:
    QComboBox* boardList() { return child<QComboBox>("Combo_PageView"); }
    QAction* action(const char* name) { return child<QAction>(name); }
    // Boards set up directly on the record, as a project change would leave them.
    void setBoards(int grid, int boards) {
        m_window->project().GridSize = qint16(grid);
        m_window->project().BoardCount = qint16(boards);
        m_window->RebuildLists();
        m_window->RefreshBoard();
    }
    QString givePicture(int pane, QColor colour) {
        const QString bitmap = testsupport::givePicture(
            *m_window, pane, testsupport::filledPicture(colour, QSize(60, 30)),
            QDir(m_platform->programFolder()).filePath(QStringLiteral("Image%1.bmp").arg(pane)));
        [&] { QVERIFY(!bitmap.isEmpty()); }();
        return bitmap;
    }

private Q_SLOTS:
    void init() { openWindow(); }
    void cleanup() {
        const QStringList problems = closeWindow();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void startsWithOneBlankBoard() {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Vistavel 1 : 2002 Edition - [Quorvane]"));
        QCOMPARE(boardList()->count(), 1);
        QCOMPARE(boardList()->currentText(), QStringLiteral("Board 01"));
        QCOMPARE(listEntries(child<QListWidget>("List1")),
                 QStringList({"001. ToUse", "002. ToUse", "003. ToUse", "004. ToUse"}));
        QCOMPARE(child<QListWidget>("List1")->currentRow(), 0);
        QCOMPARE(child<QLineEdit>("Text1")->text(), QStringLiteral("ToUse"));
        QCOMPARE(child<QPushButton>("cmdButton")->text(), QStringLiteral("swap"));
        QVERIFY(!action("Back")->isEnabled());
        QVERIFY(!action("Next")->isEnabled());
        QCOMPARE(action("Back")->toolTip(), QStringLiteral("Navigate last Board"));
        QCOMPARE(action("Next")->toolTip(), QStringLiteral("Navigate next Board"));
        const ProjectRecord& project = m_window->project();
        QCOMPARE(project.SelectedPane, qint16(1));
        QCOMPARE(project.GridHighlight, 0x00FF00u);
        QCOMPARE(project.MoveHighlight, 0x00FF00u);
        QVERIFY(!project.IsBusy);
        QVERIFY(QFileInfo(m_window->workFolder().path()).isDir());
        QVERIFY(m_window->workFolder().path().startsWith(m_platform->programFolder()));
    }

    void laysItselfOutOverTheWorkArea() {
        QCOMPARE(m_window->stageHeight(), 948);
        QCOMPARE(m_window->stageExtent(), 933);
        QCOMPARE(m_window->paneSize(), 466);
        QCOMPARE(child<QWidget>("picStage")->size(), QSize(1280, 948));
        QCOMPARE(child<QWidget>("picSideBar")->geometry(), QRect(951, 3, 326, 946));
        const QRect toolbar = child<QWidget>("Toolbar1")->geometry();
        QCOMPARE(toolbar.left(), 6);
        QCOMPARE(toolbar.width(), 314);
        QCOMPARE(boardList()->geometry().width(), 314 - 72);
        const QRect list = child<QWidget>("List1")->geometry();
        QCOMPARE(list.top(), kToolbarHeight + 10);
        QCOMPARE(list.height(), 946 - (list.top() + 50));
        const QRect text = child<QWidget>("Text1")->geometry();
        const QRect button = child<QWidget>("cmdButton")->geometry();
        QCOMPARE(text.top(), list.bottom() + 11);
        QCOMPARE(button.left(), text.right() + 1 + 4);
        QVERIFY(button.right() <= 326);
    }

    void paneSizeFollowsTheGrid_data() {
        QTest::addColumn<int>("grid");
        QTest::addColumn<int>("paneSize");
        QTest::newRow("2 x 2") << 2 << 466;
        QTest::newRow("3 x 3") << 3 << 311;
        QTest::newRow("4 x 4") << 4 << 233;
        QTest::newRow("5 x 5") << 5 << 187;
    }
    void paneSizeFollowsTheGrid() {
        QFETCH(int, grid);
        QFETCH(int, paneSize);
        setBoards(grid, 1);
        QCOMPARE(m_window->paneSize(), paneSize);
        QCOMPARE(m_window->project().Panes[grid * grid].StagePos,
                 QPoint((grid - 1) * paneSize, (grid - 1) * paneSize));
    }

    void stageShowsNumberedCheckerboardPanes() {
        const QImage stage = m_window->stageSurface().image();
        const int half = 466 / 2;
        for (int slot = 0; slot < 4; ++slot) {
            const int x = (slot % 2) * 466, y = (slot / 2) * 466;
            QCOMPARE(stage.pixel(x + half / 2, y + half / 2 + 20), kGrey);
            QCOMPARE(stage.pixel(x + half + half / 2, y + half / 2), kWhite);
            QCOMPARE(stage.pixel(x + half / 2, y + half + half / 2), kWhite);
            QCOMPARE(stage.pixel(x + half + half / 2, y + half + half / 2), kGrey);
            // The number: white strokes with a black shadow in the pane's corner.
            int white = 0, black = 0;
            for (int py = y; py < y + 16; ++py)
                for (int px = x; px < x + 30; ++px) {
                    white += stage.pixel(px, py) == kWhite;
                    black += stage.pixel(px, py) == kBlack;
                }
            QVERIFY2(white > 5 && black > 5, qPrintable(QString::number(slot + 1)));
        }
        // Right of the board, under the side bar's edge, the stage stays white.
        QCOMPARE(stage.pixel(940, 500), kWhite);
    }

    void navigatesBetweenBoards() {
        setBoards(2, 3);
        QCOMPARE(boardList()->count(), 3);
        QCOMPARE(boardList()->itemText(2), QStringLiteral("Board 03"));
        QVERIFY(!action("Back")->isEnabled());
        QVERIFY(action("Next")->isEnabled());

        trigger("Next");
        QCOMPARE(boardList()->currentIndex(), 1);
        QVERIFY(action("Back")->isEnabled());
        QCOMPARE(m_window->project().SelectedPane, qint16(5));
        QCOMPARE(child<QListWidget>("List1")->currentItem()->text(), QStringLiteral("005. ToUse"));

        boardList()->setCurrentIndex(2);
        QVERIFY(!action("Next")->isEnabled());
        QVERIFY(action("Back")->isEnabled());
        QCOMPARE(m_window->project().SelectedPane, qint16(9));
        const int size = m_window->paneSize();
        const QList<QPoint> corners = {{0, 0}, {size, 0}, {0, size}, {size, size}};
        for (int slot = 1; slot <= 4; ++slot)
            QCOMPARE(m_window->project().Panes[slot].StagePos, corners[slot - 1]);

        trigger("Back");
        trigger("Back");
        QCOMPARE(boardList()->currentIndex(), 0);
        QVERIFY(!action("Back")->isEnabled());
    }

    void boardListIgnoredWhileBusy() {
        setBoards(2, 2);
        const QImage before = m_window->stageSurface().image();
        m_window->project().IsBusy = true;
        boardList()->setCurrentIndex(1);
        QCOMPARE(m_window->stageSurface().image(), before);
        m_window->project().IsBusy = false;
    }

    void deletedBitmapTurnsItsPaneBlankForGood() {
        const QString bitmap = givePicture(2, Qt::red);
        m_window->RefreshBoard();
        QCOMPARE(m_window->stageSurface().image().pixel(466 + 300, 300), qRgb(255, 0, 0));
        QFile::remove(bitmap);
        m_window->RefreshBoard();
        QCOMPARE(m_window->project().Panes[2].WorkPicture, QStringLiteral("none"));
        QCOMPARE(m_window->stageSurface().image().pixel(466 + 350, 350), kGrey);
        // A resize does not bring it back.
        m_platform->setWorkArea(QSize(1024, 738));
        QCOMPARE(m_window->project().Panes[2].WorkPicture, QStringLiteral("none"));
    }

    void workAreaWidthChangeRewritesEveryBitmap() {
        const QString first = givePicture(1, Qt::blue);
        const QString last = givePicture(1000, Qt::green);
        QCOMPARE(QImage(first).size(), QSize(466, 466));

        m_platform->setWorkArea(QSize(1280, 900)); // height only: nothing happens
        QCOMPARE(m_window->stageHeight(), 948);
        QCOMPARE(QImage(first).size(), QSize(466, 466));

        m_platform->setWorkArea(QSize(1024, 738));
        QCOMPARE(m_window->stageHeight(), 692);
        QCOMPARE(m_window->paneSize(), 338); // (692 - 15) / 2 = 338.5
        QCOMPARE(child<QWidget>("picStage")->size(), QSize(1024, 692));
        QCOMPARE(QImage(first).size(), QSize(338, 338));
        QCOMPARE(QImage(last).size(), QSize(338, 338));
        QCOMPARE(m_window->project().Panes[1].WorkPicture, first);
        QCOMPARE(m_window->stageSurface().image().pixel(100, 100), qRgb(0, 0, 255));
    }

    // The window asks the desktop for no size: made smaller by hand it cuts the
    // stage off, and it grows back; the layout stays as the work area made it.
    void handResizeChangesNothingElse() {
        const QString bitmap = givePicture(1, Qt::blue);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        for (const QSize size : {QSize(500, 300), QSize(1400, 1100)}) {
            m_window->resize(size);
            QTRY_COMPARE(m_window->size(), size);
            QCOMPARE(m_window->stageHeight(), 948);
            QCOMPARE(child<QWidget>("picStage")->size(), QSize(1280, 948));
            QCOMPARE(QImage(bitmap).size(), QSize(466, 466));
        }
    }

    // Where the work area starts as a guess (Wayland, until the window is shown
    // maximised), the desktop's first answer re-lays the window whole, even when
    // only the height differs, and once a command at work is done if it comes
    // meanwhile; later answers follow the rule on width.
    void firstAnswerReplacesTheGuessedWorkArea() {
        m_window.reset();
        m_platform->guessWorkArea(QSize(1280, 1024));
        m_window = std::make_unique<frmMain>(*m_platform);
        QCOMPARE(m_window->stageHeight(), 978);
        const QString bitmap = givePicture(1, Qt::blue);
        QCOMPARE(QImage(bitmap).size(), QSize(482, 482)); // 963 / 2 = 481.5

        m_window->project().IsBusy = true;
        m_platform->setWorkArea(QSize(1280, 994));
        QTest::qWait(100);
        QCOMPARE(m_window->stageHeight(), 978);
        m_window->project().IsBusy = false;
        QTRY_COMPARE(m_window->stageHeight(), 948);
        QCOMPARE(child<QWidget>("picStage")->size(), QSize(1280, 948));
        QCOMPARE(QImage(bitmap).size(), QSize(466, 466));

        m_platform->setWorkArea(QSize(1280, 900));
        QCOMPARE(m_window->stageHeight(), 948);
    }

    // On a tiling desktop the work area is the tile: a new height re-lays too,
    // and the shown window is left unmaximised.
    void tilingDesktopFollowsEveryChangeOfTheTile() {
        m_platform->setTiling(true);
        const QString bitmap = givePicture(1, Qt::blue);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_platform->setWorkArea(QSize(1280, 900));
        QCOMPARE(m_window->stageHeight(), 854);
        QCOMPARE(child<QWidget>("picStage")->size(), QSize(1280, 854));
        QCOMPARE(QImage(bitmap).size(), QSize(420, 420)); // (854 - 15) / 2 = 419.5
        QVERIFY(!m_window->isMaximized());
    }

    // Where the stage is too wide for its height, the side bar keeps the width its
    // controls need and the board's square gives it up.
    void sideBarKeepsRoomForItsControls_data() {
        QTest::addColumn<QSize>("workArea");
        QTest::addColumn<int>("boardSide");
        QTest::addColumn<int>("sideBarWidth");
        QTest::newRow("landscape: as laid out always") << QSize(1200, 994) << 948 << 246;
        QTest::newRow("square") << QSize(1024, 994) << 778 << 240;
        QTest::newRow("portrait") << QSize(1080, 1872) << 834 << 240;
        QTest::newRow("tiny: no empty panes") << QSize(200, 60) << 40 << 154;
    }
    void sideBarKeepsRoomForItsControls() {
        QFETCH(QSize, workArea);
        QFETCH(int, boardSide);
        QFETCH(int, sideBarWidth);
        setBoards(5, 1);
        m_platform->setWorkArea(workArea);
        QCOMPARE(m_window->stageHeight(), boardSide);
        QVERIFY(m_window->paneSize() > 0);
        const QRect sideBar = child<QWidget>("picSideBar")->geometry();
        QCOMPARE(sideBar.width(), sideBarWidth);
        QCOMPARE(sideBar.right(), workArea.width() - 4);
        QVERIFY(sideBar.left() > boardSide);
        if (sideBarWidth < kMinSideBarWidth)
            return;
        for (const char* name : {"Toolbar1", "List1", "Text1", "cmdButton"}) {
            const QRect part = child<QWidget>(name)->geometry();
            QVERIFY2(part.width() > 0 && QRect(QPoint(0, 0), sideBar.size()).contains(part), name);
        }
        QVERIFY(boardList()->width() >= 150);
    }

    void failedRewriteReportsTheResizeError() {
        const QString source = m_window->project().Panes[1].SourcePicture;
        givePicture(1, Qt::blue);
        // Neither the source nor the bitmap to scale instead can be read.
        QFile::remove(m_window->project().Panes[1].SourcePicture);
        QFile::remove(m_window->project().Panes[1].WorkPicture);
        m_platform->expectMessage(QStringLiteral("Vistavel : Resize Error"));
        m_platform->setWorkArea(QSize(1200, 994));
        QCOMPARE(m_platform->messages().size(), 1);
        QCOMPARE(m_platform->messages().at(0).text,
                 QStringLiteral(
                     "I experienced an error whilst trying to resize; Please reset Vistavel."));
        QCOMPARE(child<QWidget>("picStage")->width(), 1200);
        Q_UNUSED(source);
    }

    void closingDeletesOnlyItsOwnWorkFolder() {
        frmMain second(*m_platform);
        QVERIFY(second.workFolder().path() != m_window->workFolder().path());
        const QString firstBitmap = givePicture(1, Qt::red);
        const QString secondFolder = second.workFolder().path();
        second.show();
        second.close();
        QVERIFY(!QFileInfo::exists(secondFolder));
        QVERIFY(QFileInfo::exists(firstBitmap));

        m_window->show();
        const QString folder = m_window->workFolder().path();
        trigger("mnu_Exit");
        QVERIFY(!m_window->isVisible());
        QVERIFY(!QFileInfo::exists(folder));
        QVERIFY(!QFileInfo::exists(
            QDir(m_platform->programFolder()).filePath(QStringLiteral("MyProjects"))));
    }

    // Even where the system would let it (run as root, or from a writable prefix), an
    // installed editor writes nothing beside itself.
    void installedEditorWorksInTheCacheFolder() {
        m_window.reset(); // the fixture's editor works beside the program
        m_platform->setRunsInstalled(true);
        frmMain installed(*m_platform);
        const QString folder = installed.workFolder().path();
        QVERIFY2(folder.startsWith(m_platform->cacheFolder() + QStringLiteral("/MyProjects/")),
                 qPrintable(folder));
        QCOMPARE(
            QDir(m_platform->programFolder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
            QStringList());
        frmMain second(*m_platform);
        QVERIFY(second.workFolder().path() != folder);
        second.close();
        QVERIFY(QFileInfo(folder).isDir());
    }
};

VV_TEST_MAIN(FrmMainTest)
#include "tst_frmmain.moc"
