#include "editor/ui/frmmain.h"
#include "editortesting.h"
#include "fakeplatform.h"
#include "testmain.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

using namespace editor;

namespace {

const QRgb kGrey = qRgb(193, 193, 193), kWhite = qRgb(255, 255, 255);
const QRgb kGreen = qRgb(0, 255, 0), kRed = qRgb(255, 0, 0), kBlue = qRgb(0, 0, 255);

int countPixels(const QImage& image, const QRect& area, QRgb colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

} // namespace

class StageMouseTest : public QObject, protected testsupport::EditorWindowFixture {
    Q_OBJECT
private:
    ProjectRecord& project() { return m_window->project(); }
    QWidget* stage() { return m_window->findChild<QWidget*>(QStringLiteral("picStage")); }
    QListWidget* paneList() { return m_window->findChild<QListWidget*>(QStringLiteral("List1")); }
    QImage stageImage() { return m_window->stageSurface().image(); }
    // The centre of slot s on the board on show.
    QPoint slotCentre(int slot) {
        const int size = m_window->paneSize();
        return project().Panes[slot].StagePos + QPoint(size / 2, size / 2);
    }
    void hover(QPoint at) { QTest::mouseMove(stage(), at); }
    void drag(QPoint from, QPoint to) {
        hover(from);
        QTest::mousePress(stage(), Qt::LeftButton, {}, from);
        QTest::mouseMove(stage(), (from + to) / 2);
        QTest::mouseMove(stage(), to);
        QTest::mouseRelease(stage(), Qt::LeftButton, {}, to);
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
    void giveTexts(int pane, const QString& tag) {
        PaneRecord& record = project().Panes[pane];
        record.Text = tag + QStringLiteral(" text");
        record.Label = tag + QStringLiteral(" label");
        record.URL = QStringLiteral("http://example.org/") + tag;
    }

private Q_SLOTS:
    void init() {
        openWindow();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() {
        const QStringList problems = closeWindow();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void pressSelectsThePaneUnderThePointer_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("pane");
        QTest::newRow("border of 1 and 2") << QPoint(466, 10) << 1;
        QTest::newRow("right of the border") << QPoint(467, 10) << 2;
        QTest::newRow("border of 2 and 4") << QPoint(700, 466) << 2;
        QTest::newRow("pane 4") << QPoint(900, 900) << 4;
        QTest::newRow("strip under the grid") << QPoint(300, 940) << 0;
    }
    void pressSelectsThePaneUnderThePointer() {
        QFETCH(QPoint, at);
        QFETCH(int, pane);
        hover(at);
        QTest::mouseClick(stage(), Qt::LeftButton, {}, at);
        QCOMPARE(int(project().SelectedPane), pane);
        QCOMPARE(paneList()->currentRow(), pane - 1);
        // A press does not copy the pane's text into the text box.
        QCOMPARE(m_window->findChild<QLineEdit*>(QStringLiteral("Text1"))->text(),
                 QStringLiteral("ToUse"));
    }

    void hoverFramesThePaneUnderThePointer() {
        const QImage clean = stageImage();
        hover(QPoint(700, 200));
        QImage shown = stageImage();
        QCOMPARE(shown.pixel(466 + 200, 466 - 2), kGreen);  // bottom of pane 2's frame
        QCOMPARE(shown.pixel(466 + 2, 200), kGreen);        // its left side
        QCOMPARE(shown.pixel(200, 2), clean.pixel(200, 2)); // pane 1 untouched
        // Unset label: the frame only.
        QCOMPARE(countPixels(shown, QRect(466 + 40, 8, 200, 24), kGreen), 0);

        // The strip under the grid hits nothing and leaves the last highlight.
        hover(QPoint(700, 940));
        QCOMPARE(stageImage(), shown);

        // Moving on takes the old frame away; the highlight takes the Global Highlight colour.
        project().GridHighlight = 0x0000FF;
        hover(QPoint(200, 200));
        shown = stageImage();
        QCOMPARE(shown.pixel(466 + 200, 466 - 2), clean.pixel(466 + 200, 466 - 2));
        QCOMPARE(shown.pixel(466 + 2, 200), clean.pixel(466 + 2, 200));
        QCOMPARE(shown.pixel(200, 466 - 2), kRed);
        QCOMPARE(countPixels(shown, QRect(466, 0, 466, 466), kRed), 0);
    }

    void hoverNeverReadsPicturesFromDisk() {
        givePicture(1, Qt::blue);
        m_window->RefreshBoard();
        const QString bitmap = project().Panes[1].WorkPicture;
        QVERIFY(QFile::remove(bitmap));
        for (int step = 0; step < 6; ++step)
            hover(slotCentre(1 + step % 4));
        QCOMPARE(project().Panes[1].WorkPicture, bitmap);
        QCOMPARE(stageImage().pixel(200, 300), kBlue);
    }

    void labelIsShortenedToThePaneSize_data() {
        QTest::addColumn<QSize>("workArea");
        QTest::addColumn<int>("grid");
        QTest::addColumn<int>("paneSize");
        QTest::addColumn<bool>("shortened");
        // Stage height is the work-area height less 46; panes share it less 15.
        QTest::newRow("pane 100: 11 characters fit") << QSize(600, 261) << 2 << 100 << true;
        QTest::newRow("pane 300: 33 characters fit") << QSize(1200, 961) << 3 << 300 << false;
    }
    void labelIsShortenedToThePaneSize() {
        QFETCH(QSize, workArea);
        QFETCH(int, grid);
        QFETCH(int, paneSize);
        QFETCH(bool, shortened);
        m_platform->setWorkArea(workArea);
        setBoards(grid, 1);
        QCOMPARE(m_window->paneSize(), paneSize);
        // Pane 1 carries a label of 22 characters, pane 2 that label cut to 8 and "...".
        project().Panes[1].Label = QStringLiteral("Harbour at first light");
        project().Panes[2].Label = QStringLiteral("Harbour ...");
        const QRect label(38, 8, paneSize - 44, 22);
        const QRect neighbour(paneSize, 0, paneSize, paneSize);
        const QImage clean = stageImage().copy(neighbour);
        hover(slotCentre(1));
        // The label never runs into the next pane, whatever the font's width.
        QCOMPARE(stageImage().copy(neighbour), clean);
        const QImage first = stageImage().copy(label);
        hover(slotCentre(2));
        const QImage second = stageImage().copy(label.translated(paneSize, 0));
        QVERIFY(countPixels(first, first.rect(), kGreen) > 20);
        QCOMPARE(first == second, shortened);
    }

    void draggingPane3OntoPane1SwapsAllTheyHold() {
        givePicture(1, Qt::red);
        givePicture(3, Qt::blue);
        project().Panes[3].FlipH = 1;
        giveTexts(1, QStringLiteral("one"));
        giveTexts(3, QStringLiteral("three"));
        m_window->RebuildLists();
        m_window->RefreshBoard();
        const PaneRecord one = project().Panes[1], three = project().Panes[3];

        hover(slotCentre(3));
        QTest::mousePress(stage(), Qt::LeftButton, {}, slotCentre(3));
        QCOMPARE(project().SelectedPane, qint16(3));
        QTest::mouseMove(stage(), QPoint(233, 300));
        // The drag line runs from the pane's centre, exclusive-or in the Move Highlight.
        QCOMPARE(stage()->cursor().shape(), Qt::SizeAllCursor);
        QCOMPARE(stageImage().pixel(233, 600), qRgb(0, 255, 255)); // blue XOR green
        QCOMPARE(stageImage().pixel(233, 400), qRgb(255, 255, 0)); // red XOR green
        QTest::mouseRelease(stage(), Qt::LeftButton, {}, QPoint(233, 233));

        const PaneRecord& now1 = project().Panes[1];
        const PaneRecord& now3 = project().Panes[3];
        QCOMPARE(now1.WorkPicture, three.WorkPicture);
        QCOMPARE(now1.SourcePicture, three.SourcePicture);
        QCOMPARE(now1.PictureName, three.PictureName);
        QCOMPARE(now1.FlipH, qint16(1));
        QCOMPARE(now1.Text, three.Text);
        QCOMPARE(now1.Label, three.Label);
        QCOMPARE(now1.URL, three.URL);
        QCOMPARE(now3.WorkPicture, one.WorkPicture);
        QCOMPARE(now3.FlipH, qint16(0));
        QCOMPARE(now3.Text, one.Text);
        QCOMPARE(now3.Label, one.Label);
        QCOMPARE(now3.URL, one.URL);
        QCOMPARE(project().Panes[0].Text, three.Text);
        QCOMPARE(paneList()->item(0)->text(), QStringLiteral("001. three text"));
        QCOMPARE(paneList()->item(2)->text(), QStringLiteral("003. one text"));
        // Redrawn from the swapped bitmaps, the board's first pane selected.
        QCOMPARE(stageImage().pixel(233, 300), kBlue);
        QCOMPARE(stageImage().pixel(233, 700), kRed);
        QCOMPARE(project().SelectedPane, qint16(1));
        QCOMPARE(paneList()->currentRow(), 0);
        QVERIFY(stage()->cursor().shape() != Qt::SizeAllCursor);
    }

    void draggingFromABlankPaneTakesThePicture() {
        givePicture(4, Qt::green);
        m_window->RefreshBoard();
        drag(slotCentre(2), slotCentre(4));
        QVERIFY(project().Panes[2].hasWorkPicture());
        QVERIFY(!project().Panes[4].hasWorkPicture());
        QVERIFY(!project().Panes[4].hasSourcePicture());
        QCOMPARE(stageImage().pixel(700, 300), kGreen);
        QCOMPARE(stageImage().pixel(466 + 116, 466 + 116), kGrey);
        QCOMPARE(stageImage().pixel(466 + 350, 466 + 116), kWhite);
    }

    void clickAndStrayDropChangeNothing() {
        givePicture(1, Qt::red);
        m_window->RefreshBoard();
        const QString picture = project().Panes[1].WorkPicture;

        // A plain click only selects.
        hover(slotCentre(1));
        QTest::mouseClick(stage(), Qt::LeftButton, {}, slotCentre(1));
        QCOMPARE(project().Panes[1].WorkPicture, picture);
        QCOMPARE(project().SelectedPane, qint16(1));

        // A drop under the grid swaps nothing and leaves no line behind.
        QTest::mousePress(stage(), Qt::LeftButton, {}, slotCentre(1));
        const QImage pressed = stageImage();
        QTest::mouseMove(stage(), QPoint(600, 700));
        QVERIFY(stageImage() != pressed);
        QTest::mouseRelease(stage(), Qt::LeftButton, {}, QPoint(600, 940));
        QCOMPARE(stageImage(), pressed);
        QCOMPARE(project().Panes[1].WorkPicture, picture);
        QVERIFY(!project().Panes[2].hasWorkPicture() && !project().Panes[4].hasWorkPicture());
        QVERIFY(stage()->cursor().shape() != Qt::SizeAllCursor);

        // Moving with no button held highlights again instead of dragging.
        hover(slotCentre(4));
        QCOMPARE(stageImage().pixel(466 + 2, 700), kGreen);
    }

    // An undo or another board during a drag ends it: the release swaps nothing
    // and the redo step stays.
    void aDragEndsWithAChangeOfHistoryOrBoard() {
        setBoards(2, 2);
        givePicture(1, Qt::red);
        givePicture(5, Qt::blue);
        m_window->RefreshBoard();
        drag(slotCentre(1), slotCentre(2));
        auto* undo = m_window->findChild<QAction*>(QStringLiteral("mnu_Undo"));
        for (const bool byUndo : {true, false}) {
            hover(slotCentre(2));
            QTest::mousePress(stage(), Qt::LeftButton, {}, slotCentre(2));
            QTest::mouseMove(stage(), slotCentre(3));
            if (byUndo)
                undo->trigger();
            else
                m_window->findChild<QAction*>(QStringLiteral("Next"))->trigger();
            QTest::mouseMove(stage(), slotCentre(4));
            QTest::mouseRelease(stage(), Qt::LeftButton, {}, slotCentre(4));
            QVERIFY(stage()->cursor().shape() != Qt::SizeAllCursor);
        }
        QVERIFY(project().Panes[1].hasWorkPicture());
        QVERIFY(project().Panes[5].hasWorkPicture());
        QVERIFY(!project().Panes[4].hasWorkPicture() && !project().Panes[8].hasWorkPicture());
        QCOMPARE(m_window->history().count(), 1);
        QVERIFY(m_window->history().canRedo());
    }

    void rightClickSelectsAndPopsUpThePaneMenuOnce() {
        auto* menu = m_window->findChild<QMenu*>(QStringLiteral("mnu_Panes"));
        int shown = 0;
        connect(menu, &QMenu::aboutToShow, this, [&shown] { ++shown; });
        const QPoint at = slotCentre(2);
        hover(at);
        QTest::mousePress(stage(), Qt::RightButton, {}, at);
        QTest::mouseRelease(stage(), Qt::RightButton, {}, at);
        QCOMPARE(shown, 1);
        QTRY_COMPARE(QApplication::activePopupWidget(), menu);
        QCOMPARE(project().SelectedPane, qint16(2));
        QCOMPARE(paneList()->currentRow(), 1);
        menu->close();
        QTRY_VERIFY(!QApplication::activePopupWidget());

        // The right button starts no drag: the next move highlights.
        hover(slotCentre(3));
        QVERIFY(stage()->cursor().shape() != Qt::SizeAllCursor);
        QCOMPARE(stageImage().pixel(2, 700), kGreen);
        QCOMPARE(shown, 1);
    }
};

VV_TEST_MAIN(StageMouseTest)
#include "tst_stagemouse.moc"
