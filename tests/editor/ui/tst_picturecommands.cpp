#include "editor/ui/frmmain.h"
#include "editortesting.h"
#include "fakeplatform.h"
#include "hostilepictures.h"
#include "platform/numbers.h"
#include "platform/picturesurface.h"
#include "testmain.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QProgressDialog>
#include <QTimer>

using namespace editor;

namespace {

const QString kImport = QStringLiteral("Vistavel : Import");
const QString kLoadPicture = QStringLiteral("Vistavel : Load Picture");
const QRgb kGrey = qRgb(193, 193, 193);
// The first entry is the one selected first.
const QString kPictureFilter = QStringLiteral(
    "Formats (*.Bmp *.Gif *.Jpg);;All pictures (*.bmp *.gif *.jpg *.jpeg *.jpe *.png *.webp "
    "*.tif *.tiff *.heic *.heif *.avif)");

QRgb memberColour(int number) {
    return qRgb((number * 41) % 256, 255 - (number * 19) % 256, (number * 67) % 256);
}

QStringList actionNames(const QMenu* menu) {
    QStringList names;
    for (const QAction* action : menu->actions())
        names << (action->isSeparator() ? QStringLiteral("-") : action->text()) + " " +
                     action->objectName();
    return names;
}

} // namespace

class PictureCommandsTest : public QObject, protected testsupport::EditorWindowFixture {
    Q_OBJECT
private:
    QString m_folder;

    ProjectRecord& project() { return m_window->project(); }
    void setBoards(int grid, int boards) {
        project().GridSize = qint16(grid);
        project().BoardCount = qint16(boards);
        m_window->RebuildLists();
        m_window->RefreshBoard();
    }
    void showBoard(int board) {
        m_window->findChild<QComboBox*>(QStringLiteral("Combo_PageView"))
            ->setCurrentIndex(board - 1);
    }
    // The centre of the slot where `pane` shows while its board is on the stage.
    QRgb paneCentre(int pane) {
        const int size = m_window->paneSize();
        const int slot = (pane - 1) % project().panesPerBoard();
        return m_window->stageSurface().image().pixel(
            (slot % project().GridSize) * size + size / 2 + 10,
            (slot / project().GridSize) * size + size / 2 + 10);
    }
    // A click on the stage: on a pane of the board on show, or anywhere else.
    void clickStage(QPoint at) {
        auto* stage = m_window->findChild<QWidget*>(QStringLiteral("picStage"));
        QTest::mouseMove(stage, at);
        QTest::mousePress(stage, Qt::LeftButton, {}, at);
        QTest::mouseRelease(stage, Qt::LeftButton, {}, at);
    }
    void selectPane(int pane) {
        showBoard(project().boardOfPane(pane));
        const int slot = (pane - 1) % project().panesPerBoard() + 1;
        const int size = m_window->paneSize();
        clickStage(project().Panes[slot].StagePos + QPoint(size / 2, size / 2));
        QCOMPARE(project().SelectedPane, qint16(pane));
    }
    QString writePicture(const QString& title, QRgb colour) {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(colour);
        const QString file = QDir(m_folder).filePath(title);
        image.save(file, "BMP");
        return file;
    }
    QString writeSequence(int first, int last) {
        for (int number = first; number <= last; ++number)
            writePicture(QStringLiteral("Image%1.bmp").arg(platform::zeroPadded(number, 2)),
                         memberColour(number));
        return QDir(m_folder).filePath(
            QStringLiteral("Image%1.bmp").arg(platform::zeroPadded(first, 2)));
    }
    QString lastMessage() const { return m_platform->messages().constLast().text; }

private Q_SLOTS:
    void init() {
        openWindow();
        m_folder = QDir(m_platform->programFolder()).filePath(QStringLiteral("Mes images"));
        QDir().mkpath(m_folder);
    }
    void cleanup() {
        const QStringList problems = closeWindow();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void commandsSitInTheFileAndPaneMenus() {
        const auto* file = m_window->findChild<QMenu*>(QStringLiteral("mnu_File"));
        QVERIFY(actionNames(file).join(',').contains(QStringLiteral(
            "Save Project As ... mnu_SaveAs,- sep02,Mass Image Import ... "
            "mnu_MassImage,Export As Html ... mnu_ExportHTML,Export As PDF ... "
            "mnu_ExportPDF,Print ... mnu_Print,Export As Video ... mnu_ExportVideo,- sep10,")));
        const auto* panes = m_window->findChild<QMenu*>(QStringLiteral("mnu_Panes"));
        QVERIFY(actionNames(panes).join(',').contains(
            QStringLiteral("Closeup mnu_Closeup,- sep06,Picture ... mnu_LoadPicture,- sep04,")));
    }

    void importsTwelvePicturesFromPane1() {
        setBoards(2, 3);
        const QString chosen = writeSequence(1, 12);
        m_platform->answerOpen(chosen);
        m_platform->expectMessage(kImport);
        // Seen while the import runs: the window keeps handling events meanwhile, and
        // the progress bar (shown once the import lasts) counts the pictures.
        int progressMaximum = 0;
        QTimer::singleShot(0, this, [&] {
            if (const auto* progress = m_window->findChild<QProgressDialog*>())
                progressMaximum = progress->maximum();
        });
        trigger("mnu_MassImage");
        QCOMPARE(progressMaximum, 12);

        const platform::FileChooserRequest& chooser = m_platform->openRequests().constLast();
        QCOMPARE(chooser.title, QStringLiteral("Mass Image Import ..."));
        QCOMPARE(chooser.filter, kPictureFilter);
        QCOMPARE(chooser.filterIndex, 1);
        QCOMPARE(lastMessage(), QStringLiteral("I found 12 compatible images.\n"
                                               "Truncation where current project specifies."));
        QCOMPARE(m_platform->messages().constLast().icon, platform::MessageIcon::Information);
        QCOMPARE(project().LastFileName, chosen);
        QVERIFY(!project().IsBusy);
        for (int board = 1; board <= 3; ++board) {
            showBoard(board);
            for (int pane = board * 4 - 3; pane <= board * 4; ++pane)
                QCOMPARE(paneCentre(pane), memberColour(pane));
        }
        QVERIFY(!project().Panes[13].hasWorkPicture());
    }

    void secondMemberMissingFindsOnlyOne() {
        const QString chosen = writeSequence(1, 1);
        writeSequence(3, 4);
        m_platform->answerOpen(chosen);
        m_platform->expectMessage(kImport);
        trigger("mnu_MassImage");
        QCOMPARE(lastMessage(), QStringLiteral("I found only 1 compatible image."));
        QCOMPARE(paneCentre(1), memberColour(1));
        QCOMPARE(paneCentre(2), kGrey);
    }

    void importFromPane998FillsTheLastPanesSilently() {
        setBoards(5, 40);
        selectPane(998);
        m_platform->answerOpen(writeSequence(1, 6));
        trigger("mnu_MassImage"); // no message expected
        for (int pane = 998; pane <= 1000; ++pane)
            QCOMPARE(QImage(project().Panes[pane].WorkPicture).pixel(5, 5),
                     memberColour(pane - 997));
        QVERIFY(!project().Panes[997].hasWorkPicture());
        showBoard(40);
        QCOMPARE(paneCentre(1000), memberColour(3));
    }

    void corruptFifthMemberEndsTheImportThere() {
        setBoards(3, 2);
        selectPane(5);
        m_platform->answerOpen(writePicture(QStringLiteral("Old.bmp"), qRgb(10, 20, 30)));
        trigger("mnu_LoadPicture");
        const PaneRecord before = project().Panes[5];
        QCOMPARE(project().SelectedPane, qint16(1));

        const QString chosen = writeSequence(1, 9);
        QFile corrupt(QDir(m_folder).filePath(QStringLiteral("Image05.bmp")));
        QVERIFY(corrupt.open(QIODevice::WriteOnly | QIODevice::Truncate));
        corrupt.write("BM not really");
        corrupt.close();
        m_platform->answerOpen(chosen);
        m_platform->expectMessage(kImport);
        trigger("mnu_MassImage");

        QString reason;
        QVERIFY(platform::readPicture(corrupt.fileName(), &reason).isNull());
        QCOMPARE(lastMessage(), QStringLiteral("I found 4 compatible images.\n"
                                               "Truncation where current project specifies.\n"
                                               "I stopped at a picture I could not use: %1: %2")
                                    .arg(corrupt.fileName(), reason));
        for (int pane = 1; pane <= 4; ++pane)
            QCOMPARE(paneCentre(pane), memberColour(pane));
        QCOMPARE(project().Panes[5].SourcePicture, before.SourcePicture);
        QCOMPARE(project().Panes[5].WorkPicture, before.WorkPicture);
        QCOMPARE(paneCentre(5), qRgb(10, 20, 30));
        QCOMPARE(paneCentre(6), kGrey);
    }

    void loadsOnePictureIntoTheSelectedPane() {
        selectPane(3);
        const QString file = writePicture(QStringLiteral("Photo01.JPG"), qRgb(200, 40, 90));
        m_platform->answerOpen(file);
        trigger("mnu_LoadPicture");
        QCOMPARE(m_platform->openRequests().constLast().title, QStringLiteral("Load Picture ..."));
        QCOMPARE(m_platform->openRequests().constLast().filter, kPictureFilter);
        const PaneRecord& pane = project().Panes[3];
        QCOMPARE(pane.SourcePicture, file);
        QCOMPARE(pane.PictureName, QStringLiteral("Photo01"));
        QCOMPARE(project().LastFileName, file);
        QCOMPARE(paneCentre(3), qRgb(200, 40, 90));
        // The redraw selects the board's first pane again.
        QCOMPARE(project().SelectedPane, qint16(1));
        QCOMPARE(m_window->findChild<QListWidget*>(QStringLiteral("List1"))->currentRow(), 0);
    }

    void unreadablePictureIsReportedAndChangesNothing() {
        selectPane(2);
        const QString file = QDir(m_folder).filePath(QStringLiteral("Notes 01.jpg"));
        QFile text(file);
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("these are words, not a picture");
        text.close();
        const QImage stage = m_window->stageSurface().image();
        m_platform->answerOpen(file);
        m_platform->expectMessage(kLoadPicture);
        trigger("mnu_LoadPicture");
        QVERIFY2(lastMessage().contains(file), qPrintable(lastMessage()));
        QVERIFY(!project().Panes[2].hasSourcePicture());
        QCOMPARE(project().Panes[2].PictureName, QStringLiteral("none"));
        QCOMPARE(m_window->stageSurface().image(), stage);
        QVERIFY(!project().IsBusy);
    }

    // Whichever command reads it, a picture claiming 60000 x 60000 pixels is refused by
    // name and leaves the pane as it was.
    void hugePicturesAreRefusedByName_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("Picture ..., a BMP")
            << "mnu_LoadPicture" << kLoadPicture << testsupport::bmpClaiming(60000, 60000);
        QTest::newRow("Mass Image Import ..., a GIF")
            << "mnu_MassImage" << kImport << testsupport::gifClaiming(60000, 60000, 1, 1);
        QTest::newRow("Open Project ..., a JPEG")
            << "mnu_OpenProject"
            << "VV1 : Load Problem" << testsupport::jpegClaiming(60000, 60000);
        QTest::newRow("Closeup, a GIF frame")
            << "mnu_Closeup"
            << "Vistavel : CloseUp" << testsupport::gifClaiming(0, 0, 60000, 60000);
    }
    void hugePicturesAreRefusedByName() {
        QFETCH(QString, command);
        QFETCH(QString, title);
        QFETCH(QByteArray, content);
        QString huge = QDir(m_folder).filePath(QStringLiteral("Huge01.jpg"));
        if (command == "mnu_OpenProject") {
            // Pane 1 of the project takes its picture from the picture folder.
            QDir(m_folder).mkdir(QStringLiteral("Trip_Data"));
            huge = QDir(m_folder).filePath(QStringLiteral("Trip_Data/Huge01-0001.bmp"));
            QFile file(QDir(m_folder).filePath(QStringLiteral("Trip.vv1")));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("4\r\n1\r\n2\r\nToUse\r\n65280\r\n65280\r\nToUse\r\n"
                       "Huge01-0001\r\n0\r\n0\r\nToUse\r\nToUse\r\nToUse\r\n");
            m_platform->answerOpen(file.fileName());
        } else if (command == "mnu_Closeup") {
            // The pane's picture was replaced after it was loaded.
            QVERIFY(
                !testsupport::givePicture(*m_window, 1, testsupport::filledPicture(Qt::red), huge)
                     .isEmpty());
            selectPane(1);
        } else {
            m_platform->answerOpen(huge);
        }
        QFile file(huge);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        const QString before = project().Panes[1].SourcePicture;

        m_platform->expectMessage(title);
        trigger(qPrintable(command));
        QVERIFY2(lastMessage().contains(huge) &&
                     lastMessage().contains(QStringLiteral("The picture claims 60000 x 60000")),
                 qPrintable(lastMessage()));
        QCOMPARE(project().Panes[1].SourcePicture, command == "mnu_OpenProject" ? "none" : before);
    }

    void withoutASelectedPaneNothingIsTouched_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("title");
        QTest::newRow("mass import") << "mnu_MassImage" << kImport;
        QTest::newRow("load picture") << "mnu_LoadPicture" << kLoadPicture;
    }
    void withoutASelectedPaneNothingIsTouched() {
        QFETCH(QString, command);
        QFETCH(QString, title);
        clickStage(QPoint(100, m_window->stageExtent() + 5)); // under the board
        QCOMPARE(project().SelectedPane, qint16(0));
        m_platform->expectMessage(title);
        trigger(qPrintable(command));
        QVERIFY(m_platform->openRequests().isEmpty());
        QVERIFY(lastMessage().contains(QStringLiteral("select a pane")));
        QVERIFY(!project().Panes[0].hasSourcePicture());
    }

    void namesWithoutASequenceAndCancelsEndQuietly_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("told");
        QTest::newRow("no number") << "Photo.jpg" << true;
        QTest::newRow("a lone zero") << "Image0.bmp" << true;
        QTest::newRow("digits that make no number") << "Image1a.jpg" << false;
        QTest::newRow("cancelled chooser") << "" << false;
    }
    void namesWithoutASequenceAndCancelsEndQuietly() {
        QFETCH(QString, title);
        QFETCH(bool, told);
        m_platform->answerOpen(title.isEmpty() ? QString() : writePicture(title, Qt::red));
        if (told)
            m_platform->expectMessage(kImport);
        trigger("mnu_MassImage");
        if (told)
            QCOMPARE(lastMessage(), QStringLiteral("I couldn't find any compatible images.\n"
                                                   "Choose images with number patterns such as : \n"
                                                   "Image01.bmp, Image1.gif, Image214.jpg"));
        QVERIFY(!project().Panes[1].hasSourcePicture());
    }
};

VV_TEST_MAIN(PictureCommandsTest)
#include "tst_picturecommands.moc"
