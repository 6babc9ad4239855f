#include "editor/model/project/highlightcolours.h"
#include "editor/model/project/listentries.h"
#include "editor/model/project/projectrecord.h"
#include "testmain.h"

using namespace editor;

class ProjectRecordTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void boardLimitsKeepPanesWithinTheTable_data() {
        QTest::addColumn<int>("grid");
        QTest::addColumn<int>("boards");
        QTest::newRow("2 x 2") << 2 << 100;
        QTest::newRow("3 x 3") << 3 << 100;
        QTest::newRow("4 x 4") << 4 << 62;
        QTest::newRow("5 x 5") << 5 << 40;
    }
    void boardLimitsKeepPanesWithinTheTable() {
        QFETCH(int, grid);
        QFETCH(int, boards);
        QCOMPARE(maxBoards(grid), boards);
        QVERIFY(boards * grid * grid <= kLastPane);
    }

    void paneNumbersMapToBoards() {
        ProjectRecord project;
        project.GridSize = 5;
        project.BoardCount = 40;
        QCOMPARE(project.panesInUse(), 1000);
        QCOMPARE(project.boardOfPane(1000), 40);
        QCOMPARE(project.boardOfPane(26), 2);
        QCOMPARE(project.firstPaneOfBoard(40), 976);
        project.GridSize = 2;
        QCOMPARE(project.boardOfPane(9), 3);
        QCOMPARE(project.boardOfPane(12), 3);
    }

    void resetRestoresEveryEntryButKeepsGridAndColours() {
        ProjectRecord project;
        project.GridSize = 3;
        project.MoveHighlight = 0x0000FF;
        project.Panes[0].Text = QStringLiteral("scratch");
        project.Panes[1000].WorkPicture = QStringLiteral("/tmp/x.BMP");
        project.Panes[1000].FlipH = 1;
        project.BoardTitle = QStringLiteral("Title");
        project.resetPanes();
        for (const PaneRecord& pane : project.Panes) {
            QCOMPARE(pane.Text, QStringLiteral("ToUse"));
            QCOMPARE(pane.WorkPicture, QStringLiteral("none"));
            QCOMPARE(pane.FlipH, qint16(0));
        }
        QCOMPARE(project.BoardTitle, QStringLiteral("ToUse"));
        QCOMPARE(project.GridSize, qint16(3));
        QCOMPARE(project.MoveHighlight, 0x0000FFu);
    }

    void listEntriesPadNumbers() {
        QCOMPARE(boardListEntry(1), QStringLiteral("Board 01"));
        QCOMPARE(boardListEntry(100), QStringLiteral("Board 100"));
        QCOMPARE(paneListEntry(4, kUnsetText), QStringLiteral("004. ToUse"));
        const QString last = paneListEntry(1000, QStringLiteral("end"));
        QCOMPARE(last, QStringLiteral("1000. end"));
        // Pane 1000's prefix is one character longer: its text part keeps a blank.
        QCOMPARE(paneListEntryText(last), QStringLiteral(" end"));
        QCOMPARE(paneListEntryText(paneListEntry(12, QStringLiteral("a b"))),
                 QStringLiteral("a b"));
    }

    void highlightListsHoldBlueGreenRedValues() {
        QCOMPARE(moveHighlightColours().at(0).caption(), QStringLiteral("Blue - Light"));
        QCOMPARE(moveHighlightColours().at(0).value, 0x0000FFu);
        QCOMPARE(moveHighlightColours().at(kDefaultHighlightEntry).value, 0x00FF00u);
        QCOMPARE(gridHighlightColours().size(), 6);
        QCOMPARE(gridHighlightColours().at(2).caption(), QStringLiteral("Red"));
        QCOMPARE(colourFromBgr(0x0000FF), QColor(255, 0, 0));
        QCOMPARE(colourFromBgr(0xFF0000), QColor(0, 0, 255));
    }
};

VV_TEST_MAIN(ProjectRecordTest)
#include "tst_projectrecord.moc"
