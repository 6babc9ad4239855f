#include "editor/ui/frmmain.h"
#include "editortesting.h"
#include "fakeplatform.h"
#include "modalanswer.h"
#include "platform/picturewidget.h"
#include "testmain.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>

using namespace editor;
using testsupport::answerModal;

// The stage used with the keyboard alone: no mouse event is sent anywhere here.
class StageKeysTest : public QObject, protected testsupport::EditorWindowFixture {
    Q_OBJECT
private:
    ProjectRecord& project() { return m_window->project(); }
    platform::PictureWidget* stage() { return child<platform::PictureWidget>("picStage"); }
    int selected() { return project().SelectedPane; }
    int boardOnShow() { return child<QComboBox>("Combo_PageView")->currentIndex(); }
    void press(int key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }
    void setBoards(int grid, int boards) {
        project().GridSize = qint16(grid);
        project().BoardCount = qint16(boards);
        m_window->RebuildLists();
        m_window->RefreshBoard();
    }
    void givePicture(int pane, QColor colour) {
        QVERIFY(
            !testsupport::givePicture(
                 *m_window, pane, testsupport::filledPicture(colour),
                 QDir(m_platform->programFolder()).filePath(QStringLiteral("Pic%1.bmp").arg(pane)))
                 .isEmpty());
    }
    // Tabs from the pane list's text box round to the stage.
    void tabToTheStage() {
        child<QWidget>("Text1")->setFocus();
        for (int tab = 0; tab < 10 && QApplication::focusWidget() != stage(); ++tab)
            press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), stage());
    }

private Q_SLOTS:
    void init() {
        openWindow();
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup() {
        const QStringList problems = closeWindow();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void arrowsWalkThePanesAcrossBoardEdges() {
        setBoards(2, 3);
        tabToTheStage();
        QCOMPARE(selected(), 1);
        const QList<std::pair<int, int>> walk = {
            {Qt::Key_Right, 2}, {Qt::Key_Down, 4}, {Qt::Key_Right, 7}, {Qt::Key_Down, 9},
            {Qt::Key_Home, 9},  {Qt::Key_End, 12}, {Qt::Key_Up, 10},   {Qt::Key_Up, 8},
            {Qt::Key_Left, 7},  {Qt::Key_Left, 4}, {Qt::Key_Right, 7},
        };
        for (const auto& [key, pane] : walk) {
            press(key);
            QCOMPARE(selected(), pane);
            QCOMPARE(boardOnShow(), (pane - 1) / 4);
            QCOMPARE(child<QListWidget>("List1")->currentRow(), pane - 1);
        }
        // The first board's left edge leads nowhere.
        press(Qt::Key_Home);
        press(Qt::Key_Up);
        press(Qt::Key_Left);
        QCOMPARE(selected(), 3);
        press(Qt::Key_Up);
        QCOMPARE(selected(), 1);
        press(Qt::Key_Left);
        QCOMPARE(selected(), 1);
        QCOMPARE(QApplication::focusWidget(), stage());
    }

    void ctrlShiftArrowSwapsAsADragDoesAndUndoes() {
        givePicture(1, Qt::red);
        project().Panes[1].Text = QStringLiteral("one");
        m_window->RebuildLists();
        m_window->RefreshBoard();
        const PaneRecord one = project().Panes[1], two = project().Panes[2];
        tabToTheStage();
        press(Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(project().Panes[2].WorkPicture, one.WorkPicture);
        QCOMPARE(project().Panes[2].Text, QStringLiteral("one"));
        QCOMPARE(project().Panes[1].WorkPicture, two.WorkPicture);
        QCOMPARE(m_window->history().count(), 1);
        QCOMPARE(m_window->history().undoText(), QStringLiteral("Swap Panes"));
        QCOMPARE(selected(), 2);
        // The right edge: a swap never leaves the board.
        press(Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(m_window->history().count(), 1);

        press(Qt::Key_Backspace, Qt::AltModifier);
        QCOMPARE(project().Panes[1].WorkPicture, one.WorkPicture);
        QCOMPARE(project().Panes[1].Text, QStringLiteral("one"));
        QCOMPARE(project().Panes[2].WorkPicture, two.WorkPicture);
    }

    void enterOpensTheCloseUp() {
        givePicture(2, Qt::blue);
        project().Panes[2].PictureName = QStringLiteral("Harbour");
        tabToTheStage();
        press(Qt::Key_Right);
        QString title;
        answerModal(this, [&title](QDialog* closeUp) {
            title = closeUp->windowTitle();
            QTest::keyClick(closeUp, Qt::Key_Escape);
        });
        press(Qt::Key_Return);
        QCOMPARE(title, QStringLiteral("CloseUp : Harbour"));
        QCOMPARE(selected(), 2);
        // A blank pane has no close-up, as its greyed menu item says.
        press(Qt::Key_Left);
        press(Qt::Key_Return);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void menuKeysPopUpThePaneMenuAtThePane_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier);
        QTest::newRow("Menu") << int(Qt::Key_Menu) << 0;
    }
    void menuKeysPopUpThePaneMenuAtThePane() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        tabToTheStage();
        press(Qt::Key_Right);
        press(Qt::Key_Home);
        press(key, Qt::KeyboardModifiers(modifiers));
        auto* menu = child<QMenu>("mnu_Panes");
        QTRY_COMPARE(QApplication::activePopupWidget(), menu);
        QCOMPARE(menu->pos(), stage()->mapToGlobal(QPoint(233, 233)));
        QCOMPARE(selected(), 1);
        menu->close();
        QTRY_VERIFY(!QApplication::activePopupWidget());
    }

    void focusFrameShowsOnScreenOnlyWhileTheStageHasTheFocus() {
        givePicture(1, Qt::blue);
        m_window->RefreshBoard();
        const QImage surface = m_window->stageSurface().image();
        const QRect topEdge(100, 4, 200, 5);
        const auto nonBlue = [&](const QImage& image) {
            int count = 0;
            for (int y = topEdge.top(); y <= topEdge.bottom(); ++y)
                for (int x = topEdge.left(); x <= topEdge.right(); ++x)
                    count += image.pixel(x, y) != qRgb(0, 0, 255);
            return count;
        };
        child<QWidget>("Text1")->setFocus();
        QCOMPARE(nonBlue(stage()->grab().toImage()), 0);
        tabToTheStage();
        QVERIFY(nonBlue(stage()->grab().toImage()) > 100);
        // The frame is the screen's alone.
        QCOMPARE(m_window->stageSurface().image(), surface);
        child<QWidget>("Text1")->setFocus();
        QCOMPARE(nonBlue(stage()->grab().toImage()), 0);
    }
};

VV_TEST_MAIN(StageKeysTest)
#include "tst_stagekeys.moc"
