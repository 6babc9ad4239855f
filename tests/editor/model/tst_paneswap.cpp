#include "editor/model/project/paneswap.h"
#include "editor/model/project/panetexts.h"
#include "testmain.h"

using namespace editor;

namespace {

void fill(PaneRecord& pane, const QString& tag, qint16 flipH, qint16 flipV, QPoint corner) {
    pane.Text = tag + QStringLiteral(" text");
    pane.Label = tag + QStringLiteral(" label");
    pane.URL = QStringLiteral("http://example.org/") + tag;
    pane.FlipH = flipH;
    pane.FlipV = flipV;
    pane.WorkPicture = QStringLiteral("/work/") + tag + QStringLiteral(".BMP");
    pane.SourcePicture = QStringLiteral("/pictures/") + tag + QStringLiteral(".jpg");
    pane.PictureName = tag;
    pane.StagePos = corner;
}

bool sameStoredFields(const PaneRecord& a, const PaneRecord& b) {
    return a.Text == b.Text && a.Label == b.Label && a.URL == b.URL && a.FlipH == b.FlipH &&
           a.FlipV == b.FlipV && a.WorkPicture == b.WorkPicture &&
           a.SourcePicture == b.SourcePicture && a.PictureName == b.PictureName;
}

} // namespace

class PaneSwapTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void swapsEverythingButTheSlotCorner() {
        ProjectRecord project;
        fill(project.Panes[3], QStringLiteral("three"), 1, 0, QPoint(0, 466));
        fill(project.Panes[1], QStringLiteral("one"), 0, 1, QPoint(0, 0));
        const PaneRecord three = project.Panes[3], one = project.Panes[1];

        SwapPanes(project, 3, 1);
        QVERIFY(sameStoredFields(project.Panes[1], three));
        QVERIFY(sameStoredFields(project.Panes[3], one));
        QCOMPARE(project.Panes[1].StagePos, QPoint(0, 0));
        QCOMPARE(project.Panes[3].StagePos, QPoint(0, 466));
        // Entry 0 was the scratch entry and keeps the pressed pane's former values.
        QVERIFY(sameStoredFields(project.Panes[0], three));
    }

    void blankPaneTakesThePicture() {
        ProjectRecord project;
        fill(project.Panes[1000], QStringLiteral("last"), 1, 1, QPoint());
        SwapPanes(project, 999, 1000);
        QCOMPARE(project.Panes[999].WorkPicture, QStringLiteral("/work/last.BMP"));
        QCOMPARE(project.Panes[999].FlipV, qint16(1));
        QVERIFY(!project.Panes[1000].hasWorkPicture());
        QVERIFY(!project.Panes[1000].hasSourcePicture());
        QCOMPARE(project.Panes[1000].PictureName, kNoPicture);
        QCOMPARE(project.Panes[1000].Text, kUnsetText);
    }

    void selfAndOutOfRangeSwapsChangeNoPane() {
        ProjectRecord project;
        fill(project.Panes[2], QStringLiteral("two"), 1, 0, QPoint());
        const PaneRecord two = project.Panes[2];
        SwapPanes(project, 2, 2);
        QVERIFY(sameStoredFields(project.Panes[2], two));
        SwapPanes(project, 2, 1001);
        SwapPanes(project, 0, 2);
        QVERIFY(sameStoredFields(project.Panes[2], two));
    }

    void storedTextLosesOnlyOuterBlanks_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("two blanks each side") << "  Opening shot  "
                                              << "Opening shot";
        QTest::newRow("inner blanks stay") << "a  b"
                                           << "a  b";
        QTest::newRow("pane 1000's leading blank") << " ToUse"
                                                   << "ToUse";
        QTest::newRow("tab is not a blank") << "\tx"
                                            << "\tx";
        QTest::newRow("blanks only store nothing") << "   "
                                                   << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void storedTextLosesOnlyOuterBlanks() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QCOMPARE(paneTextToStore(typed), stored);
    }

    void clearAllTouchesOnlyPanesInUse() {
        ProjectRecord project;
        project.GridSize = 2;
        project.BoardCount = 3;
        for (int pane = 1; pane <= 13; ++pane)
            project.Panes[pane].Text = QStringLiteral("text %1").arg(pane);
        project.Panes[12].Label = QStringLiteral("kept");
        clearAllPaneTexts(project);
        for (int pane = 1; pane <= 12; ++pane)
            QCOMPARE(project.Panes[pane].Text, kUnsetText);
        QCOMPARE(project.Panes[12].Label, QStringLiteral("kept"));
        QCOMPARE(project.Panes[13].Text, QStringLiteral("text 13"));
    }
};

VV_TEST_MAIN(PaneSwapTest)
#include "tst_paneswap.moc"
