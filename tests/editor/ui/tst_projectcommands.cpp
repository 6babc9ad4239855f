#include "editor/ui/frmmain.h"
#include "editor/ui/recentprojectsmenu.h"
#include "editortesting.h"
#include "fakeplatform.h"
#include "testmain.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMenu>

using namespace editor;

namespace {

const QRgb kRed = qRgb(255, 0, 0), kBlue = qRgb(0, 0, 255), kGrey = qRgb(193, 193, 193);
const QString kLoadProblem = QStringLiteral("VV1 : Load Problem");

QStringList entries(const QComboBox* box) {
    QStringList all;
    for (int i = 0; i < box->count(); ++i)
        all << box->itemText(i);
    return all;
}

} // namespace

class ProjectCommandsTest : public QObject, protected testsupport::EditorWindowFixture {
    Q_OBJECT
private:
    QString file(const QString& name) const {
        return QDir(m_platform->programFolder()).filePath(name);
    }
    void setBoards(int grid, int boards) {
        m_window->project().GridSize = qint16(grid);
        m_window->project().BoardCount = qint16(boards);
        m_window->RebuildLists();
        m_window->RefreshBoard();
    }
    void givePicture(int pane, QRgb colour, const QString& name) {
        QVERIFY(!testsupport::givePicture(
                     *m_window, pane, testsupport::filledPicture(colour, QSize(50, 50)), file(name))
                     .isEmpty());
    }
    // The colour in the middle of the stage slot (counted from 1) on show.
    QRgb slotColour(int slot) {
        const int grid = m_window->project().GridSize, size = m_window->paneSize();
        const int x = ((slot - 1) % grid) * size + size / 2 + size / 8;
        const int y = ((slot - 1) / grid) * size + size / 2 + size / 8;
        return m_window->stageSurface().image().pixel(x, y);
    }
    // Drags the pane in one slot onto another, which swaps what they hold.
    void dragPane(int fromSlot, int toSlot) {
        QWidget* stage = child<QWidget>("picStage");
        const int half = m_window->paneSize() / 2;
        const QPoint from = m_window->project().Panes[fromSlot].StagePos + QPoint(half, half);
        const QPoint to = m_window->project().Panes[toSlot].StagePos + QPoint(half, half);
        QTest::mouseMove(stage, from);
        QTest::mousePress(stage, Qt::LeftButton, {}, from);
        QTest::mouseMove(stage, (from + to) / 2);
        QTest::mouseMove(stage, to);
        QTest::mouseRelease(stage, Qt::LeftButton, {}, to);
    }
    // A change in the history: two panes swapped.
    void dragPaneChanges() {
        givePicture(1, kRed, QStringLiteral("Red.bmp"));
        dragPane(1, 2);
        QVERIFY(!m_window->history().isClean());
    }
    void save(const QString& name) {
        m_platform->answerSave(file(name));
        trigger("mnu_SaveAs");
    }
    void open(const QString& name) {
        m_platform->answerOpen(file(name));
        trigger("mnu_OpenProject");
    }

private Q_SLOTS:
    void init() { openWindow(); }
    void cleanup() {
        const QStringList problems = closeWindow();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void fileMenuHoldsTheProjectCommands() {
        QStringList items;
        for (const QAction* action : child<QMenu>("mnu_File")->actions())
            items << action->objectName() + QLatin1Char('=') + action->text();
        const qsizetype open = items.indexOf(QStringLiteral("mnu_OpenProject=Open Project ..."));
        QVERIFY(open >= 0);
        QCOMPARE(items.mid(open, 6), QStringList({"mnu_OpenProject=Open Project ...",
                                                  "mnu_RecentProjectsMenu=Recent Projects",
                                                  "sep01=", "mnu_Save=Save Project",
                                                  "mnu_SaveAs=Save Project As ...", "sep02="}));
    }

    void savedProjectOpensAsItWas() {
        setBoards(3, 2);
        givePicture(1, kRed, QStringLiteral("pictures/Beach.bmp"));
        givePicture(10, kBlue, QStringLiteral("pictures/Town.bmp"));
        ProjectRecord& project = m_window->project();
        project.BoardTitle = QStringLiteral("Sommerreise");
        project.FooterText = QStringLiteral("© 2002");
        project.GridHighlight = 0x0000FF;
        project.MoveHighlight = 0xFF0000;
        project.Panes[10].Text = QStringLiteral("Straße");
        project.Panes[10].Label = QStringLiteral("Town");
        project.Panes[10].URL = QStringLiteral("http://example.org/town");
        save(QStringLiteral("projects/Trip.vv1"));
        const platform::FileChooserRequest saving = m_platform->saveRequests().last();
        QCOMPARE(saving.title, QStringLiteral("Save Project ..."));
        QCOMPARE(saving.filter, QStringLiteral("VV1 (*.vv1)"));
        QCOMPARE(saving.proposedName, QStringLiteral("Untitled.vv1"));
        QCOMPARE(project.LastFileName, file(QStringLiteral("projects/Trip.vv1")));
        QVERIFY(QFileInfo::exists(file(QStringLiteral("projects/Trip_Data/Town-0010.bmp"))));

        // Something else on show before the open.
        setBoards(2, 1);
        project.resetPanes();
        m_window->RefreshBoard();
        open(QStringLiteral("projects/Trip.vv1"));
        const platform::FileChooserRequest opening = m_platform->openRequests().last();
        QCOMPARE(opening.title, QStringLiteral("Load Project ..."));
        QCOMPARE(opening.filter, QStringLiteral("VV1 (*.vv1)"));
        QCOMPARE(opening.startFolder, m_platform->programFolder());

        QCOMPARE(project.GridSize, qint16(3));
        QCOMPARE(entries(child<QComboBox>("Combo_PageView")),
                 QStringList({"Board 01", "Board 02"}));
        const QListWidget* list = child<QListWidget>("List1");
        QCOMPARE(list->count(), 18);
        QCOMPARE(list->item(9)->text(), QStringLiteral("010. Straße"));
        QCOMPARE(project.BoardTitle, QStringLiteral("Sommerreise"));
        QCOMPARE(project.FooterText, QStringLiteral("© 2002"));
        QCOMPARE(project.GridHighlight, 0x0000FFu);
        QCOMPARE(project.MoveHighlight, 0xFF0000u);
        QCOMPARE(project.Panes[10].Label, QStringLiteral("Town"));
        QCOMPARE(project.Panes[10].URL, QStringLiteral("http://example.org/town"));
        QVERIFY(!project.IsBusy);
        QCOMPARE(slotColour(1), kRed);
        QCOMPARE(slotColour(2), kGrey);
        trigger("Next");
        QCOMPARE(slotColour(1), kBlue);
    }

    // Two pictures of one name trade places after an open and the project is
    // saved over itself; a re-layout renders every pane from its source again.
    void savingOverTheOpenProjectKeepsEveryPicture() {
        givePicture(1, kRed, QStringLiteral("a/Image.bmp"));
        givePicture(2, kBlue, QStringLiteral("b/Image.bmp"));
        save(QStringLiteral("Trip.vv1"));
        open(QStringLiteral("Trip.vv1"));
        dragPane(2, 1);
        QCOMPARE(slotColour(1), kBlue);
        save(QStringLiteral("Trip.vv1"));
        m_platform->setWorkArea(QSize(1200, 900));
        QCOMPARE(slotColour(1), kBlue);
        QCOMPARE(slotColour(2), kRed);
        open(QStringLiteral("Trip.vv1"));
        QCOMPARE(slotColour(1), kBlue);
        QCOMPARE(slotColour(2), kRed);
    }

    void aRefusedFileLeavesTheProjectAlone_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("grid 0") << QByteArray("0\r\n1\r\n0\r\nToUse\r\n0\r\n0\r\nToUse\r\n");
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    }
    void aRefusedFileLeavesTheProjectAlone() {
        QFETCH(QByteArray, bytes);
        setBoards(2, 3);
        givePicture(5, kRed, QStringLiteral("Kept.bmp"));
        m_window->project().Panes[5].Text = QStringLiteral("kept");
        QFile bad(file(QStringLiteral("Bad.vv1")));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write(bytes);
        bad.close();
        m_platform->expectMessage(kLoadProblem);
        open(QStringLiteral("Bad.vv1"));
        QVERIFY(m_platform->messages().last().text.contains(
            QDir::toNativeSeparators(file(QStringLiteral("Bad.vv1")))));
        QCOMPARE(child<QComboBox>("Combo_PageView")->count(), 3);
        QCOMPARE(m_window->project().Panes[5].Text, QStringLiteral("kept"));
        QVERIFY(m_window->project().Panes[5].hasWorkPicture());
        trigger("Next");
        QCOMPARE(slotColour(1), kRed);
    }

    void missingPicturesAreCountedInOneMessage() {
        givePicture(1, kRed, QStringLiteral("One.bmp"));
        givePicture(2, kRed, QStringLiteral("Two.bmp"));
        givePicture(3, kBlue, QStringLiteral("Three.bmp"));
        save(QStringLiteral("Trip.vv1"));
        QVERIFY(QFile::remove(file(QStringLiteral("Trip_Data/One-0001.bmp"))));
        QVERIFY(QFile::remove(file(QStringLiteral("Trip_Data/Two-0002.bmp"))));
        m_platform->expectMessage(kLoadProblem);
        open(QStringLiteral("Trip.vv1"));
        QCOMPARE(m_platform->messages().last().text,
                 QStringLiteral("I could not find or read 2 pictures of the project; their panes "
                                "are blank."));
        QCOMPARE(slotColour(1), kGrey);
        QCOMPARE(slotColour(3), kBlue);
        QVERIFY(!m_window->project().Panes[1].hasSourcePicture());
    }

    void unwrittenFilesAreNamedInOneMessage() {
        givePicture(1, kRed, QStringLiteral("One.bmp"));
        QFile blocker(file(QStringLiteral("Trip_Data")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        m_platform->expectMessage(QStringLiteral("VV1 : Save Problem"));
        save(QStringLiteral("Trip.vv1"));
        QCOMPARE(m_platform->messages().last().text,
                 QStringLiteral("I could not write these files of the project:\n") +
                     QDir::toNativeSeparators(file(QStringLiteral("Trip_Data"))));
    }

    // A prepared bitmap deleted behind the editor's back: made again from its
    // source, or the pane named when its source is gone too.
    void vanishedBitmapsAreMadeAgainOrNamed() {
        givePicture(1, kRed, QStringLiteral("One.bmp"));
        givePicture(2, kBlue, QStringLiteral("Two.bmp"));
        QVERIFY(QFile::remove(m_window->project().Panes[1].WorkPicture));
        QVERIFY(QFile::remove(m_window->project().Panes[2].WorkPicture));
        QVERIFY(QFile::remove(file(QStringLiteral("Two.bmp"))));
        m_platform->expectMessage(QStringLiteral("VV1 : Save Problem"));
        save(QStringLiteral("Trip.vv1"));
        QCOMPARE(m_platform->messages().last().text,
                 QStringLiteral("These panes were saved without their picture, which I could no "
                                "longer find or read: 2."));
        QVERIFY(QFileInfo::exists(file(QStringLiteral("Trip_Data/One-0001.bmp"))));
    }

    // The work folder goes when the editor ends, and whatever was saved into it.
    void savesIntoAWorkFolderAreRefused_data() {
        QTest::addColumn<bool>("throughLink");
        QTest::newRow("in the work folder") << false;
        QTest::newRow("through a link to it") << true;
    }
    void savesIntoAWorkFolderAreRefused() {
        QFETCH(bool, throughLink);
        givePicture(1, kRed, QStringLiteral("One.bmp"));
        QString folder = m_window->workFolder().path();
        if (throughLink) {
            QVERIFY(QFile::link(folder, file(QStringLiteral("Mine"))));
            folder = file(QStringLiteral("Mine"));
        }
        m_platform->expectMessage(QStringLiteral("VV1 : Save Problem"));
        m_platform->answerSave(folder + QStringLiteral("/Trip.vv1"));
        trigger("mnu_SaveAs");
        QVERIFY(m_platform->messages().last().text.contains(QStringLiteral("documents folder")));
        QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/Trip.vv1")));
        QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/Trip_Data")));
    }

    // Save Project writes over the opened file without a chooser or a question;
    // a new project has no file, so it asks for one as Save Project As ... does.
    void saveProjectWritesOverTheOwnFile() {
        m_platform->answerSave(file(QStringLiteral("Trip.vv1")));
        trigger("mnu_Save");
        QCOMPARE(m_platform->saveRequests().size(), 1);
        QCOMPARE(m_platform->saveRequests().last().proposedName, QStringLiteral("Untitled.vv1"));

        open(QStringLiteral("Trip.vv1"));
        QFile saved(file(QStringLiteral("Trip.vv1")));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray before = saved.readAll();
        saved.close();
        givePicture(2, kBlue, QStringLiteral("Sea.bmp"));
        m_window->project().Panes[2].Text = QStringLiteral("The sea");
        QVERIFY(child<QAction>("mnu_Save")->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_S));
        trigger("mnu_Save");
        QCOMPARE(m_platform->saveRequests().size(), 1);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray after = saved.readAll();
        QVERIFY(after != before);
        QVERIFY(after.contains("The sea"));
        QVERIFY(QFileInfo::exists(file(QStringLiteral("Trip_Data/Sea-0002.bmp"))));
        QVERIFY(m_window->history().isClean());
    }

    // The projects opened and saved, newest first, by name with the folder as a
    // tooltip; one that is gone is greyed, and choosing it takes it off the list.
    void recentProjectsListTheLastOnesUsed() {
        for (const char* folder : {"a", "b", "c"})
            QVERIFY(QDir().mkpath(file(QLatin1String(folder))));
        save(QStringLiteral("a/One.vv1"));
        save(QStringLiteral("b/Two.vv1"));
        save(QStringLiteral("c/Three.vv1"));
        open(QStringLiteral("a/One.vv1"));
        auto* recent = child<QMenu>("mnu_RecentProjects");
        const auto entries = [recent] {
            Q_EMIT recent->aboutToShow();
            QStringList all;
            for (const QAction* entry : recent->actions())
                all << (entry->isSeparator()
                            ? QStringLiteral("-")
                            : entry->text() + QLatin1Char('|') + entry->toolTip() +
                                  QLatin1Char('|') + QString::number(entry->isEnabled()) +
                                  (RecentProjectsMenu::isMissing(entry) ? QStringLiteral("|missing")
                                                                        : QString()));
            return all;
        };
        const QString a = file(QStringLiteral("a")), b = file(QStringLiteral("b")),
                      c = file(QStringLiteral("c"));
        QCOMPARE(entries(),
                 QStringList({"One.vv1|" + a + "|1", "Three.vv1|" + c + "|1", "Two.vv1|" + b + "|1",
                              "-", "Clear Recent Projects|Clear Recent Projects|1"}));
        QCOMPARE(m_platform->recentlyUsed().last(),
                 file(QStringLiteral("a/One.vv1")) + " application/x-vistavel-project");
        QCOMPARE(m_platform->recentlyUsed().size(), 4);

        QVERIFY(QFile::remove(file(QStringLiteral("b/Two.vv1"))));
        QCOMPARE(entries().at(2), "Two.vv1|" + b + "|1|missing");
        m_platform->expectMessage(QStringLiteral("Vistavel : Recent Projects"));
        recent->actions().at(2)->trigger();
        QCOMPARE(entries(), QStringList({"One.vv1|" + a + "|1", "Three.vv1|" + c + "|1", "-",
                                         "Clear Recent Projects|Clear Recent Projects|1"}));

        // Choosing one asks about unsaved changes first, as Open Project does.
        dragPaneChanges();
        m_platform->expectMessage(QStringLiteral("Vistavel : Save Changes"),
                                  platform::MessageAnswer::Discard);
        recent->actions().at(1)->trigger();
        QCOMPARE(m_window->project().LastFileName, file(QStringLiteral("c/Three.vv1")));
        QCOMPARE(entries().first(), "Three.vv1|" + c + "|1");

        trigger("mnu_ClearRecentProjects");
        QCOMPARE(entries(), QStringList({"-", "Clear Recent Projects|Clear Recent Projects|0"}));
    }

    void cancelledChoosersChangeNothing() {
        setBoards(2, 2);
        m_platform->answerSave(QString());
        trigger("mnu_SaveAs");
        m_platform->answerOpen(QString());
        trigger("mnu_OpenProject");
        QCOMPARE(child<QComboBox>("Combo_PageView")->count(), 2);
        QVERIFY(m_window->project().LastFileName.isEmpty());
        QCOMPARE(QDir(m_platform->programFolder()).entryList(QDir::Files), QStringList());
    }

    // Its picture folder is there before the first picture, as for any project.
    void aProjectWithoutPicturesGetsItsPictureFolder() {
        save(QStringLiteral("Trip.vv1"));
        QVERIFY(QFileInfo(file(QStringLiteral("Trip_Data"))).isDir());
    }
};

VV_TEST_MAIN(ProjectCommandsTest)
#include "tst_projectcommands.moc"
