#include "editor/model/project/paneimage.h"
#include "editor/model/project/projectsetup.h"
#include "editor/model/storage/workfolder.h"
#include "testmain.h"

#include <QTemporaryDir>

using namespace editor;

class ProjectSetupTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    std::unique_ptr<WorkFolder> m_work;
    ProjectRecord m_project;

    // Pane `pane` filled from a picture of its own colour, prepared at `size`,
    // with a text, label and address of its own.
    void fill(int pane, int size) {
        QImage image(30, 20, QImage::Format_RGB32);
        image.fill(QColor::fromHsv(pane * 7 % 360, 255, 255));
        const QString file = m_dir.filePath(QStringLiteral("Pic%1.bmp").arg(pane));
        QVERIFY(image.save(file));
        PaneRecord& record = m_project.Panes[pane];
        record.SourcePicture = file;
        record.PictureName = QStringLiteral("Pic%1").arg(pane);
        record.Text = QStringLiteral("text %1").arg(pane);
        record.Label = QStringLiteral("label %1").arg(pane);
        record.URL = QStringLiteral("site%1.example").arg(pane);
        QString error;
        QVERIFY2(PreparePaneImage(m_project, pane, size, true, *m_work, &error), qPrintable(error));
    }
    void verifyFilled(int pane, int size) {
        const PaneRecord& record = m_project.Panes[pane];
        QCOMPARE(record.Text, QStringLiteral("text %1").arg(pane));
        QCOMPARE(record.PictureName, QStringLiteral("Pic%1").arg(pane));
        QCOMPARE(QImage(record.WorkPicture).size(), QSize(size, size));
    }
    void verifyBlank(int pane) {
        const PaneRecord& record = m_project.Panes[pane];
        QCOMPARE(record.WorkPicture, kNoPicture);
        QCOMPARE(record.SourcePicture, kNoPicture);
        QCOMPARE(record.PictureName, kNoPicture);
        QCOMPARE(record.Text, kUnsetText);
    }

private Q_SLOTS:
    void init() {
        m_work = WorkFolder::create(m_dir.path(), QString(), nullptr);
        m_project = ProjectRecord();
    }
    void cleanup() { m_work.reset(); }

    void gridEntriesAndTheirLimits_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("max");
        QTest::addColumn<QString>("caption");
        QTest::newRow("2 x 2") << 0 << 100 << "Max 100 boards x 4 panes = 400 panes";
        QTest::newRow("3 x 3") << 1 << 100 << "Max 100 boards x 9 panes = 900 panes";
        QTest::newRow("4 x 4") << 2 << 62 << "Max 62 boards x 16 panes = 992 panes";
        QTest::newRow("5 x 5") << 3 << 40 << "Max 40 boards x 25 panes = 1000 panes";
    }
    void gridEntriesAndTheirLimits() {
        QFETCH(int, entry);
        QFETCH(int, max);
        QFETCH(QString, caption);
        QCOMPARE(boardLimitCaption(gridSizeOfEntry(entry)), caption);
        QCOMPARE(maxBoards(gridSizeOfEntry(entry)), max);
    }

    void boardCountTextIsChecked_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("max");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("selected");
        QTest::newRow("a count") << "5" << 100 << "5" << false;
        QTest::newRow("blanks removed") << " 1 2 " << 100 << "12" << false;
        QTest::newRow("above the maximum stays") << "99" << 62 << "99" << false;
        QTest::newRow("empty") << "" << 100 << "100" << true;
        QTest::newRow("a single blank") << " " << 62 << "062" << true;
        QTest::newRow("zero") << "0" << 40 << "040" << true;
        QTest::newRow("zeros") << "000" << 62 << "062" << true;
        QTest::newRow("letter first") << "a5" << 100 << "100" << true;
        QTest::newRow("minus sign") << "-3" << 100 << "100" << true;
        QTest::newRow("digit then letter") << "1a" << 62 << "062" << true;
        QTest::newRow("point while typing") << "2." << 100 << "2." << false;
        QTest::newRow("fraction") << "2.5" << 100 << "2.5" << false;
        QTest::newRow("fraction below one") << "0.4" << 100 << "0.4" << false;
        QTest::newRow("two points") << "1.." << 62 << "062" << true;
        QTest::newRow("point first") << ".5" << 40 << "040" << true;
        QTest::newRow("another script's digit") << QString(QChar(0x0663)) << 40 << "040" << true;
    }
    void boardCountTextIsChecked() {
        QFETCH(QString, typed);
        QFETCH(int, max);
        QFETCH(QString, shown);
        QFETCH(bool, selected);
        const BoardCountText checked = checkBoardCountText(typed, max);
        QCOMPARE(checked.text, shown);
        QCOMPARE(checked.selectAll, selected);
        // What the check puts in passes the check unchanged.
        QCOMPARE(checkBoardCountText(checked.text, max).text, checked.text);
    }

    void arrowsAndAcceptKeepTheCountInRange_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("max");
        QTest::addColumn<QString>("down");
        QTest::addColumn<QString>("up");
        QTest::addColumn<int>("accepted");
        QTest::newRow("1") << "1" << 100 << "001"
                           << "2" << 1;
        QTest::newRow("2") << "2" << 100 << "001"
                           << "3" << 2;
        QTest::newRow("10") << "10" << 100 << "9"
                            << "11" << 10;
        QTest::newRow("at the maximum") << "62" << 62 << "61"
                                        << "62" << 62;
        QTest::newRow("above the maximum") << "99" << 62 << "98"
                                           << "62" << 62;
        QTest::newRow("100 of 100") << "100" << 100 << "99"
                                    << "100" << 100;
        QTest::newRow("zero") << "0" << 40 << "001"
                              << "1" << 1;
        QTest::newRow("2.5, halves to even") << "2.5" << 100 << "001"
                                             << "3" << 2;
        QTest::newRow("3.5, halves to even") << "3.5" << 100 << "3"
                                             << "5" << 4;
        QTest::newRow("2.") << "2." << 100 << "001"
                            << "3" << 2;
        QTest::newRow("0.4") << "0.4" << 100 << "001"
                             << "1" << 1;
    }
    void arrowsAndAcceptKeepTheCountInRange() {
        QFETCH(QString, text);
        QFETCH(int, max);
        QFETCH(QString, down);
        QFETCH(QString, up);
        QFETCH(int, accepted);
        const BoardCountText lowered = boardCountDown(text);
        QCOMPARE(lowered.text, down);
        QCOMPARE(lowered.selectAll, down == QStringLiteral("001"));
        QCOMPARE(boardCountUp(text, max), up);
        QCOMPARE(acceptedBoardCount(text, max), accepted);
    }

    void keepingItemsLetsContentsFlowAcrossBoards() {
        m_project.BoardCount = 10;
        for (int pane : {1, 4, 5, 9, 40})
            fill(pane, 100);
        const QList<PaneImageFailure> failures =
            applyProjectSetup(m_project, {3, 5, false}, 311, *m_work);
        QVERIFY(failures.isEmpty());
        QCOMPARE(m_project.GridSize, qint16(3));
        QCOMPARE(m_project.BoardCount, qint16(5));
        QCOMPARE(m_project.panesInUse(), 45);
        // Same numbers, so former boards 1, 2 and pane 9 of board 3 make the new board 1.
        for (int pane : {1, 4, 5, 9, 40})
            verifyFilled(pane, 311);
        QCOMPARE(m_project.boardOfPane(9), 1);
        QCOMPARE(m_project.boardOfPane(40), 5);
        for (int pane = 41; pane <= 45; ++pane)
            verifyBlank(pane);
        QCOMPARE(m_project.Panes[40].Label, QStringLiteral("label 40"));
        QCOMPARE(m_project.BoardTitle, kUnsetText);
    }

    void hiddenPanesComeBackWhenTheProjectGrows() {
        m_project.GridSize = 3;
        m_project.BoardCount = 5;
        fill(2, 311);
        fill(45, 311);
        QVERIFY(applyProjectSetup(m_project, {2, 1, false}, 466, *m_work).isEmpty());
        QCOMPARE(m_project.panesInUse(), 4);
        QVERIFY(applyProjectSetup(m_project, {3, 5, false}, 311, *m_work).isEmpty());
        verifyFilled(45, 311);
        verifyFilled(2, 311);
        QCOMPARE(m_project.Panes[45].URL, QStringLiteral("site45.example"));
    }

    void discardingClearsEveryPaneButNotTheProjectTexts() {
        m_project.BoardCount = 3;
        fill(3, 100);
        fill(12, 100);
        m_project.Panes[700].Text = QStringLiteral("hidden text");
        m_project.Panes[12].FlipH = 1;
        m_project.BoardTitle = QStringLiteral("Title");
        m_project.FooterText = QStringLiteral("Footer");
        m_project.MoveHighlight = 0xFF0000;
        QVERIFY(applyProjectSetup(m_project, {5, 2, true}, 187, *m_work).isEmpty());
        QCOMPARE(m_project.GridSize, qint16(5));
        QCOMPARE(m_project.BoardCount, qint16(2));
        for (int pane : {0, 3, 12, 700, 1000}) {
            verifyBlank(pane);
            QCOMPARE(m_project.Panes[pane].Label, kUnsetText);
            QCOMPARE(m_project.Panes[pane].URL, kUnsetText);
            QCOMPARE(m_project.Panes[pane].FlipH, qint16(0));
        }
        QCOMPARE(m_project.BoardTitle, QStringLiteral("Title"));
        QCOMPARE(m_project.FooterText, QStringLiteral("Footer"));
        QCOMPARE(m_project.MoveHighlight, 0xFF0000u);
    }

    // Source pictures gone (a drive unplugged, a folder moved): the bitmap is
    // rewritten from itself; only a pane in use whose bitmap is gone too turns
    // blank and is named. Hidden panes keep what they hold.
    void aPaneThatCannotBeRewrittenTurnsBlank() {
        m_project.BoardCount = 2;
        for (int pane : {2, 3, 8}) {
            fill(pane, 100);
            QFile::remove(m_project.Panes[pane].SourcePicture);
        }
        const PaneRecord hidden = m_project.Panes[8];
        QFile::remove(m_project.Panes[3].WorkPicture);
        QFile::remove(hidden.WorkPicture);
        const QList<PaneImageFailure> failures =
            applyProjectSetup(m_project, {2, 1, false}, 233, *m_work);
        QCOMPARE(failures.size(), 1);
        QCOMPARE(failures.at(0).pane, 3);
        QCOMPARE(QImage(m_project.Panes[2].WorkPicture).size(), QSize(233, 233));
        QCOMPARE(m_project.Panes[3].WorkPicture, kNoPicture);
        // Only the picture goes; the pane's texts stay.
        QCOMPARE(m_project.Panes[3].Text, QStringLiteral("text 3"));
        QCOMPARE(m_project.Panes[8].WorkPicture, hidden.WorkPicture);
    }
};

VV_TEST_MAIN(ProjectSetupTest)
#include "tst_projectsetup.moc"
