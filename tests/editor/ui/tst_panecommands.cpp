#include "editor/ui/frmcloseup.h"
#include "editor/ui/frmmain.h"
#include "editortesting.h"
#include "fakeplatform.h"
#include "modalanswer.h"
#include "platform/picturewidget.h"
#include "testmain.h"
#include "testpictures.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

using namespace editor;
using namespace testsupport;
using testsupport::answerModal;
using testsupport::part;

namespace {

const QRgb kGrey = qRgb(193, 193, 193);

void press(QDialog* dialog, const char* button) {
    QTest::mouseClick(part<QAbstractButton>(dialog, button), Qt::LeftButton);
}

} // namespace

class PaneCommandsTest : public QObject, protected testsupport::EditorWindowFixture {
    Q_OBJECT
private:
    ProjectRecord& project() { return m_window->project(); }
    QAction* action(const char* name) { return part<QAction>(m_window.get(), name); }
    // Selects a pane of board 1 as the user does; a pane with a picture enables
    // the picture commands.
    void clickPane(int pane) {
        const int size = m_window->paneSize();
        const int slot = pane - 1;
        QTest::mouseClick(part<QWidget>(m_window.get(), "picStage"), Qt::LeftButton, {},
                          QPoint((slot % project().GridSize) * size + size / 2,
                                 (slot / project().GridSize) * size + size / 2));
    }
    QRgb stagePixel(int x, int y) { return m_window->stageSurface().image().pixel(x, y); }
    void givePicture(int pane, const QImage& image, const QString& name) {
        QVERIFY(!testsupport::givePicture(
                     *m_window, pane, image,
                     QDir(m_platform->programFolder()).filePath(name + QStringLiteral(".bmp")))
                     .isEmpty());
    }
    void giveColour(int pane, QRgb colour) {
        QImage image(20, 20, QImage::Format_RGB32);
        image.fill(colour);
        givePicture(pane, image, QStringLiteral("Colour%1").arg(pane));
    }
    // The colour in the middle of each slot of the board on show.
    QList<QRgb> slotColours() {
        QList<QRgb> colours;
        const int size = m_window->paneSize();
        for (int slot = 0; slot < project().panesPerBoard(); ++slot)
            colours << stagePixel((slot % project().GridSize) * size + size / 2 + 20,
                                  (slot / project().GridSize) * size + size / 2 + 20);
        return colours;
    }

private Q_SLOTS:
    void init() { openWindow(); }
    void cleanup() {
        const QStringList problems = closeWindow();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void menusHoldTheCommandsInOrder() {
        const auto names = [](QMenu* menu) {
            QStringList found;
            for (QAction* item : menu->actions())
                found << item->objectName();
            return found;
        };
        const QStringList pane = names(part<QMenu>(m_window.get(), "mnu_Panes"));
        QStringList mine;
        for (const QString& name : pane)
            if (name != QLatin1String("mnu_LoadPicture"))
                mine << name;
        QCOMPARE(mine, QStringList({"mnu_Closeup", "sep06", "sep04", "mnu_FlipHorizontally",
                                    "mnu_FlipVertically", "sep09", "mnu_MakeBlank", "sep05",
                                    "mnu_RandomShuffle", "mnu_Options"}));
        QCOMPARE(names(part<QMenu>(m_window.get(), "mnu_Board")),
                 QStringList({"mnu_BoardChangeProject", "sep11", "mnu_BoardOptions", "sepPlay",
                              "mnu_Play"}));
        QCOMPARE(names(part<QMenu>(m_window.get(), "mnu_File")).first(),
                 QStringLiteral("mnu_ChangeProject"));
        QCOMPARE(names(part<QMenu>(m_window.get(), "mnuHelp")).mid(1),
                 QStringList({"mnu_UserGuide", "sep03", "mnu_About"}));

        QCOMPARE(action("mnu_FlipHorizontally")->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(action("mnu_FlipVertically")->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
        QCOMPARE(action("mnu_RandomShuffle")->shortcut(), QKeySequence(QStringLiteral("Ctrl+D")));
        for (const char* name :
             {"mnu_Closeup", "mnu_FlipHorizontally", "mnu_FlipVertically", "mnu_MakeBlank"})
            QVERIFY2(!action(name)->isEnabled(), name);
        for (const char* name : {"mnu_ChangeProject", "mnu_RandomShuffle", "mnu_Options",
                                 "mnu_BoardChangeProject", "mnu_BoardOptions", "mnu_About"})
            QVERIFY2(action(name)->isEnabled(), name);
        QCOMPARE(action("mnu_MakeBlank")->text(), QStringLiteral("Make as Blank"));
        QCOMPARE(action("mnu_RandomShuffle")->text(), QStringLiteral("Image Shuffle"));
    }

    void flipMirrorsTheSelectedPaneOnTheStage() {
        givePicture(1, quadrants(64, 64), QStringLiteral("Image01"));
        m_window->RefreshBoard();
        QCOMPARE(stagePixel(100, 100), kRed);
        clickPane(1);
        trigger("mnu_FlipHorizontally");
        QCOMPARE(project().Panes[1].FlipH, qint16(1));
        QCOMPARE(stagePixel(100, 100), kGreen);
        trigger("mnu_FlipVertically");
        QCOMPARE(project().Panes[1].FlipV, qint16(1));
        QCOMPARE(stagePixel(100, 100), kYellow);

        // The keys run the same commands.
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTest::keyClick(m_window.get(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(m_window.get(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(project().Panes[1].FlipH, qint16(0));
        QCOMPARE(project().Panes[1].FlipV, qint16(0));
        QCOMPARE(stagePixel(100, 100), kRed);
    }

    void makeAsBlankKeepsTheTexts() {
        givePicture(1, quadrants(64, 64), QStringLiteral("Image01"));
        PaneRecord& pane = project().Panes[1];
        pane.Label = QStringLiteral("label");
        pane.URL = QStringLiteral("example.org");
        pane.FlipV = 1;
        clickPane(1);
        trigger("mnu_MakeBlank");
        QCOMPARE(pane.WorkPicture, kNoPicture);
        QCOMPARE(pane.SourcePicture, kNoPicture);
        QCOMPARE(pane.PictureName, kNoPicture);
        QCOMPARE(pane.FlipV, qint16(0));
        QCOMPARE(pane.Label, QStringLiteral("label"));
        QCOMPARE(pane.URL, QStringLiteral("example.org"));
        QCOMPARE(stagePixel(100, 100), kGrey);
        // The commands stay enabled until the next press; a flip of the now blank
        // pane only redraws.
        trigger("mnu_FlipHorizontally");
        QCOMPARE(pane.FlipH, qint16(0));
        QCOMPARE(stagePixel(100, 100), kGrey);
        clickPane(1);
        QVERIFY(!action("mnu_FlipHorizontally")->isEnabled());
    }

    void shuffleMovesOnlyTheBoardsPicturesAfterTheNotice() {
        project().BoardCount = 2;
        m_window->RebuildLists();
        m_window->RefreshBoard();
        const QList<QRgb> colours = {kRed, kGreen, kBlue, kYellow, kRed, kGreen, kBlue, kYellow};
        for (int pane = 1; pane <= 8; ++pane) {
            giveColour(pane, colours[pane - 1]);
            project().Panes[pane].Text = QStringLiteral("text %1").arg(pane);
        }
        m_window->RefreshBoard();
        action("Next")->trigger();
        // Each draw takes the last of the remaining panes: the board reverses.
        m_platform->queueRandom({0.99, 0.99, 0.99, 0.99});
        answerModal(this, [](QDialog* notice) {
            QCOMPARE(notice->windowTitle(), QStringLiteral("VV1 : Operation Notice"));
            QCOMPARE(part<QLabel>(notice, "Label1")->text(),
                     QStringLiteral("Panes swap images independent of pane  properties. Click "
                                    "OK to proceed with this operation."));
            QCOMPARE(part<QCheckBox>(notice, "Check1")->text(),
                     QStringLiteral("Don't show me again this session. Ta."));
            press(notice, "OKButton");
        });
        action("mnu_RandomShuffle")->trigger();
        QCOMPARE(slotColours(), QList<QRgb>({kYellow, kBlue, kGreen, kRed}));
        QCOMPARE(project().Panes[5].PictureName, QStringLiteral("Colour8"));
        for (int pane = 1; pane <= 8; ++pane) {
            QCOMPARE(project().Panes[pane].Text, QStringLiteral("text %1").arg(pane));
            if (pane <= 4)
                QCOMPARE(project().Panes[pane].PictureName, QStringLiteral("Colour%1").arg(pane));
        }
    }

    void noticeAnswers() {
        giveColour(1, kRed);
        giveColour(2, kGreen);
        m_window->RefreshBoard();
        const QList<QRgb> start = slotColours();

        // Cancel with the box ticked: nothing moves and the box is unticked.
        answerModal(this, [](QDialog* notice) {
            QTest::mouseClick(part<QCheckBox>(notice, "Check1"), Qt::LeftButton);
            press(notice, "CancelButton");
        });
        action("mnu_RandomShuffle")->trigger();
        QCOMPARE(slotColours(), start);

        // The close box answers nothing: nothing moves.
        bool unticked = false;
        answerModal(this, [&](QDialog* notice) {
            unticked = !part<QCheckBox>(notice, "Check1")->isChecked();
            notice->close();
        });
        action("mnu_RandomShuffle")->trigger();
        QVERIFY(unticked);
        QCOMPARE(slotColours(), start);

        // OK with the box ticked: the shuffle runs, and from now on without the notice.
        m_platform->queueRandom({0.3, 0.0, 0.0, 0.0}); // pane 2 first, then 1, 3, 4
        answerModal(this, [](QDialog* notice) {
            QTest::mouseClick(part<QCheckBox>(notice, "Check1"), Qt::LeftButton);
            press(notice, "OKButton");
        });
        action("mnu_RandomShuffle")->trigger();
        QCOMPARE(slotColours().mid(0, 2), QList<QRgb>({kGreen, kRed}));

        bool shown = false;
        QPointer<QTimer> unexpected = answerModal(this, [&](QDialog*) { shown = true; });
        m_platform->queueRandom({0.3, 0.0, 0.0, 0.0});
        action("mnu_RandomShuffle")->trigger();
        delete unexpected;
        QVERIFY(!shown);
        QCOMPARE(slotColours(), start);
    }

    void closeUpShowsTheWholeSourceMirroredAsThePane() {
        m_platform->setWorkArea(QSize(1200, 546));
        QCOMPARE(m_window->stageHeight(), 500);
        givePicture(1, quadrants(640, 480), QStringLiteral("Image01"));
        project().Panes[1].FlipH = 1;
        giveColour(2, kBlue);
        m_window->RefreshBoard();
        clickPane(1);

        answerModal(this, [](QDialog* closeUp) {
            QCOMPARE(closeUp->windowTitle(), QStringLiteral("CloseUp : Image01"));
            QCOMPARE(closeUp->size(), QSize(500, 500));
            auto* area = part<platform::PictureWidget>(closeUp, "Picture1");
            QCOMPARE(area->geometry(), QRect(50, 10, 400, 400));
            const QImage shown = area->surface().image();
            QCOMPARE(shown.size(), QSize(400, 400));
            // Mirrored left to right, stretched over the whole area.
            QCOMPARE(shown.pixel(2, 2), kGreen);
            QCOMPARE(shown.pixel(397, 2), kRed);
            QCOMPARE(shown.pixel(2, 397), kYellow);
            auto* okay = part<QPushButton>(closeUp, "Command1");
            QCOMPARE(okay->text(), QStringLiteral("Okay"));
            QCOMPARE(okay->y(), 430);
            QCOMPARE(okay->x() * 2 + okay->width(), 500);
            QTest::mouseClick(okay, Qt::LeftButton);
        });
        trigger("mnu_Closeup");

        // The second close-up shows the second pane's name.
        clickPane(2);
        answerModal(this, [](QDialog* closeUp) {
            QCOMPARE(closeUp->windowTitle(), QStringLiteral("CloseUp : Colour2"));
            QCOMPARE(part<platform::PictureWidget>(closeUp, "Picture1")
                         ->surface()
                         .image()
                         .pixel(200, 200),
                     kBlue);
            closeUp->accept();
        });
        trigger("mnu_Closeup");
    }

    void closeUpLayoutFollowsTheStageHeight_data() {
        QTest::addColumn<int>("stageHeight");
        QTest::addColumn<QRect>("picture");
        QTest::addColumn<QRect>("button");
        QTest::newRow("500") << 500 << QRect(50, 10, 400, 400) << QRect(216, 430, 68, 32);
        QTest::newRow("948") << 948 << QRect(50, 10, 848, 848) << QRect(440, 878, 68, 32);
        // 216.5 rounds to the even 216.
        QTest::newRow("odd") << 501 << QRect(50, 10, 401, 401) << QRect(216, 431, 68, 32);
    }
    void closeUpLayoutFollowsTheStageHeight() {
        QFETCH(int, stageHeight);
        QFETCH(QRect, picture);
        QFETCH(QRect, button);
        const CloseUpLayout layout = closeUpLayout(stageHeight, QSize(68, 32));
        QCOMPARE(layout.window, QSize(stageHeight, stageHeight));
        QCOMPARE(layout.picture, picture);
        QCOMPARE(layout.button, button);
    }

    void closeUpOfABlankOrLostPictureShowsNoWindow() {
        giveColour(1, kRed);
        m_window->RefreshBoard();
        clickPane(1);
        bool shown = false;
        QPointer<QTimer> unexpected = answerModal(this, [&](QDialog*) { shown = true; });
        // Pane 2 chosen in the pane list: the commands keep their state.
        auto* list = part<QListWidget>(m_window.get(), "List1");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(1)).center());
        QCOMPARE(project().SelectedPane, qint16(2));
        trigger("mnu_Closeup");
        QVERIFY(!shown);

        QFile::remove(project().Panes[1].SourcePicture);
        m_platform->expectMessage(QStringLiteral("Vistavel : CloseUp"));
        trigger("mnu_Closeup");
        delete unexpected;
        QVERIFY(!shown);
    }

    void paneCommandsNeedASelectedPane() {
        giveColour(1, kRed);
        m_window->RefreshBoard();
        clickPane(1);
        // A press beside the board selects no pane.
        QTest::mouseClick(part<QWidget>(m_window.get(), "picStage"), Qt::LeftButton, {},
                          QPoint(940, 300));
        QCOMPARE(project().SelectedPane, qint16(0));
        for (QAction* command : {action("mnu_Closeup"), action("mnu_FlipHorizontally"),
                                 action("mnu_FlipVertically"), action("mnu_MakeBlank")})
            QVERIFY(!command->isEnabled());
        m_platform->expectMessage(QStringLiteral("Vistavel : Pane"));
        trigger("mnu_Options");
        QCOMPARE(m_platform->messages().size(), 1);
        QCOMPARE(project().Panes[0].Label, kUnsetText);
    }

    void aboutBox() {
        answerModal(this, [](QDialog* about) {
            QCOMPARE(about->windowTitle(), QStringLiteral("About"));
            QCOMPARE(about->size(), QSize(255, 150));
            QVERIFY(!part<QLabel>(about, "Image1")->pixmap().isNull());
            press(about, "Command1");
        });
        action("mnu_About")->trigger();
        QVERIFY(!part<QDialog>(m_window.get(), "frmAbout")->isVisible());
    }
};

VV_TEST_MAIN(PaneCommandsTest)
#include "tst_panecommands.moc"
