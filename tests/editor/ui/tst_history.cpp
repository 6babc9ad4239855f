#include "dragdriver.h"
#include "editor/model/commands/projectchange.h"
#include "editor/model/project/pictureimport.h"
#include "editor/ui/frmmain.h"
#include "editortesting.h"
#include "fakeplatform.h"
#include "modalanswer.h"
#include "testmain.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QImageReader>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace editor;
using namespace testsupport;

namespace {

void press(QDialog* dialog, const char* button) {
    QTest::mouseClick(part<QAbstractButton>(dialog, button), Qt::LeftButton);
}

void retype(QDialog* dialog, int box, const QString& text) {
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(box));
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
}

void chooseEntry(QDialog* dialog, const char* list, int entry) {
    auto* combo = part<QComboBox>(dialog, list);
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < entry; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
}

// Everything a step may change, and what the stage shows.
struct Snapshot {
    QList<PaneFields> panes;
    ProjectValues values;
    QImage stage;
    int board = 0;
};

} // namespace

class HistoryTest : public QObject, protected EditorWindowFixture {
    Q_OBJECT
private:
    ProjectRecord& project() { return m_window->project(); }
    QWidget* stage() { return child<QWidget>("picStage"); }
    QString file(const QString& name) { return QDir(m_platform->programFolder()).filePath(name); }
    QString writePicture(const QString& name, QRgb colour) {
        QImage image(30, 30, QImage::Format_RGB32);
        image.fill(colour);
        // A corner mark, so a mirrored bitmap differs from the plain one.
        image.setPixel(0, 0, qRgb(0, 0, 0));
        image.setPixel(1, 0, qRgb(0, 0, 0));
        return image.save(file(name), "BMP") ? file(name) : QString();
    }
    QPoint slotCentre(int slot) {
        const int size = m_window->paneSize();
        return project().Panes[slot].StagePos + QPoint(size / 2, size / 2);
    }
    void clickPane(int slot) {
        QTest::mouseMove(stage(), slotCentre(slot));
        QTest::mouseClick(stage(), Qt::LeftButton, {}, slotCentre(slot));
    }
    void selectRow(int row) { child<QListWidget>("List1")->setCurrentRow(row); }
    // Two boards of 2 x 2: pictures in panes 1, 2, 3 and 5, texts in 1 to 4.
    void fillProject() {
        project().BoardCount = 2;
        const QList<QRgb> colours = {qRgb(200, 30, 30), qRgb(30, 200, 30), qRgb(30, 30, 200),
                                     qRgb(0, 0, 0), qRgb(220, 220, 0)};
        for (int pane : {1, 2, 3, 5})
            QVERIFY(!givePicture(*m_window, pane,
                                 QImage(writePicture(QStringLiteral("P%1.bmp").arg(pane),
                                                     colours.at(pane - 1))),
                                 file(QStringLiteral("Pane%1.bmp").arg(pane)))
                         .isEmpty());
        for (int pane = 1; pane <= 4; ++pane)
            project().Panes[pane].Text = QStringLiteral("text %1").arg(pane);
        m_window->RebuildLists();
        m_window->RefreshBoard();
    }
    Snapshot snapshot() {
        Snapshot shot;
        for (int pane = 1; pane <= kLastPane; ++pane)
            shot.panes << PaneFields::of(project().Panes[pane]);
        shot.values = ProjectValues::of(project());
        shot.board = m_window->currentBoardIndex();
        // Drawn afresh, without the highlight a click left.
        m_window->RefreshBoard();
        shot.stage = m_window->stageSurface().image();
        return shot;
    }
    void verifySame(const Snapshot& now, const Snapshot& expected) {
        QVERIFY(now.panes == expected.panes);
        QVERIFY(now.values == expected.values);
        QCOMPARE(now.board, expected.board);
        QVERIFY(now.stage == expected.stage);
    }
    void perform(const QString& command) {
        if (command == QLatin1String("drag")) {
            QTest::mouseMove(stage(), slotCentre(1));
            QTest::mousePress(stage(), Qt::LeftButton, {}, slotCentre(1));
            QTest::mouseMove(stage(), slotCentre(2));
            QTest::mouseMove(stage(), slotCentre(4));
            QTest::mouseRelease(stage(), Qt::LeftButton, {}, slotCentre(4));
        } else if (command == QLatin1String("flip h")) {
            clickPane(1);
            trigger("mnu_FlipHorizontally");
        } else if (command == QLatin1String("flip v")) {
            clickPane(2);
            trigger("mnu_FlipVertically");
        } else if (command == QLatin1String("blank")) {
            clickPane(3);
            trigger("mnu_MakeBlank");
        } else if (command == QLatin1String("shuffle")) {
            m_platform->queueRandom({0.99, 0.99, 0.99, 0.99});
            answerModal(this, [](QDialog* notice) { press(notice, "OKButton"); });
            trigger("mnu_RandomShuffle");
        } else if (command == QLatin1String("picture")) {
            clickPane(4);
            m_platform->answerOpen(writePicture(QStringLiteral("Fresh.bmp"), qRgb(90, 60, 30)));
            trigger("mnu_LoadPicture");
        } else if (command == QLatin1String("mass import")) {
            clickPane(2);
            for (int n = 1; n <= 3; ++n)
                writePicture(QStringLiteral("Seq0%1.bmp").arg(n), qRgb(n * 60, 100, 20));
            m_platform->answerOpen(file(QStringLiteral("Seq01.bmp")));
            m_platform->expectMessage(importTitle());
            trigger("mnu_MassImage");
        } else if (command == QLatin1String("drop")) {
            const QStringList files = {writePicture(QStringLiteral("DropA.bmp"), qRgb(1, 99, 1)),
                                       writePicture(QStringLiteral("DropB.bmp"), qRgb(99, 1, 1))};
            const auto drag = fileDrag(files);
            QVERIFY(dragAndDrop(m_window.get(), stage()->mapTo(m_window.get(), slotCentre(3)),
                                drag.get()));
            QCoreApplication::processEvents();
        } else if (command == QLatin1String("swap button")) {
            selectRow(1);
            child<QLineEdit>("Text1")->setText(QStringLiteral("typed"));
            QTest::mouseClick(child<QPushButton>("cmdButton"), Qt::LeftButton);
        } else if (command == QLatin1String("Swap Item")) {
            selectRow(2);
            child<QLineEdit>("Text1")->setText(QStringLiteral("other"));
            child<QAction>("mnu_Swap")->trigger();
        } else if (command == QLatin1String("Remove Item")) {
            selectRow(0);
            child<QAction>("mnu_Remove")->trigger();
        } else if (command == QLatin1String("Clear All")) {
            child<QAction>("mnu_ClearAll")->trigger();
        } else if (command == QLatin1String("pane properties")) {
            clickPane(2);
            answerModal(this, [](QDialog* dialog) {
                retype(dialog, 0, QStringLiteral("Label"));
                retype(dialog, 1, QStringLiteral("site.example"));
                chooseEntry(dialog, "Combo_GridHighlight", 3);
                press(dialog, "Button_acceptOrclose_1");
            });
            trigger("mnu_Options");
        } else if (command == QLatin1String("board properties")) {
            answerModal(this, [](QDialog* dialog) {
                retype(dialog, 3, QStringLiteral("Title"));
                retype(dialog, 2, QStringLiteral("Footer"));
                chooseEntry(dialog, "Combo_MoveHighlight", 2);
                press(dialog, "Button_acceptOrclose_1");
            });
            trigger("mnu_BoardOptions");
        } else if (command.startsWith(QLatin1String("setup"))) {
            setUp(1, QStringLiteral("3"), command.endsWith(QLatin1String("discard")));
        }
    }
    void setUp(int gridEntry, const QString& boards, bool discard) {
        answerModal(this, [=](QDialog* dialog) {
            chooseEntry(dialog, "Combo_MatrixSize", gridEntry);
            auto* count = part<QLineEdit>(dialog, "Text_BoardAmount");
            QTest::keyClick(count, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(count, boards);
            part<QAbstractButton>(dialog, discard ? "Option1_0" : "Option1_1")->click();
            press(dialog, "Button_acceptOrclose_1");
        });
        trigger("mnu_ChangeProject");
    }
    void makeAChange() {
        selectRow(0);
        child<QAction>("mnu_Remove")->trigger();
        QVERIFY(!m_window->history().isClean());
    }
    QString savedProject() {
        m_platform->answerSave(file(QStringLiteral("Saved.vv1")));
        trigger("mnu_SaveAs");
        return file(QStringLiteral("Saved.vv1"));
    }

private Q_SLOTS:
    void init() {
        openWindow();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        fillProject();
    }
    void cleanup() {
        const QStringList problems = closeWindow();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void eachCommandIsUndoneAndRedone_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("step");
        QTest::newRow("drag to swap") << "drag"
                                      << "Swap Panes";
        QTest::newRow("Flip Horizontally") << "flip h"
                                           << "Flip Horizontally";
        QTest::newRow("Flip Vertically") << "flip v"
                                         << "Flip Vertically";
        QTest::newRow("Make as Blank") << "blank"
                                       << "Make as Blank";
        QTest::newRow("Image Shuffle") << "shuffle"
                                       << "Image Shuffle";
        QTest::newRow("Picture ...") << "picture"
                                     << "Picture";
        QTest::newRow("Mass Image Import ...") << "mass import"
                                               << "Mass Image Import";
        QTest::newRow("files dropped on a pane") << "drop"
                                                 << "Drop Pictures";
        QTest::newRow("swap") << "swap button"
                              << "Swap Item";
        QTest::newRow("Swap Item") << "Swap Item"
                                   << "Swap Item";
        QTest::newRow("Remove Item") << "Remove Item"
                                     << "Remove Item";
        QTest::newRow("Clear All") << "Clear All"
                                   << "Clear All";
        QTest::newRow("pane Properties ...") << "pane properties"
                                             << "Pane Properties";
        QTest::newRow("board Properties ...") << "board properties"
                                              << "Board Properties";
        QTest::newRow("Board Setup, Keep existing") << "setup keep"
                                                    << "Board Setup";
        QTest::newRow("Board Setup, Discard all items") << "setup discard"
                                                        << "Board Setup";
    }
    void eachCommandIsUndoneAndRedone() {
        QFETCH(QString, command);
        QFETCH(QString, step);
        const Snapshot before = snapshot();
        perform(command);
        QCOMPARE(m_window->history().count(), 1);
        const Snapshot after = snapshot();
        QVERIFY(!m_window->history().isClean());
        QCOMPARE(child<QAction>("mnu_Undo")->text(), QStringLiteral("Undo ") + step);

        trigger("mnu_Undo");
        verifySame(snapshot(), before);
        QVERIFY(m_window->history().isClean());
        QVERIFY(!child<QAction>("mnu_Undo")->isEnabled());
        QCOMPARE(child<QAction>("mnu_Redo")->text(), QStringLiteral("Redo ") + step);

        trigger("mnu_Redo");
        verifySame(snapshot(), after);
        // The bitmaps the step brings back are still there.
        for (const Snapshot* shot : {&before, &after})
            for (const PaneFields& pane : shot->panes)
                QVERIFY(pane.WorkPicture == kNoPicture || QFile::exists(pane.WorkPicture));
    }

    // A command that changes nothing leaves no step.
    void aSwapWithItselfOrAFailedFlipLeavesNoStep() {
        QTest::mouseMove(stage(), slotCentre(1));
        QTest::mousePress(stage(), Qt::LeftButton, {}, slotCentre(1));
        QTest::mouseMove(stage(), slotCentre(1) + QPoint(5, 5));
        QTest::mouseRelease(stage(), Qt::LeftButton, {}, slotCentre(1) + QPoint(5, 5));
        // A setup of the grid and board count the project has, keeping the items.
        const QString bitmap = project().Panes[1].WorkPicture;
        setUp(0, QStringLiteral("2"), false);
        QCOMPARE(project().Panes[1].WorkPicture, bitmap);
        clickPane(2);
        QFile::remove(project().Panes[2].WorkPicture);
        m_platform->expectMessage(QStringLiteral("Vistavel : Flip"));
        trigger("mnu_FlipHorizontally");
        QCOMPARE(m_window->history().count(), 0);
    }

    // Typing not yet stored is the text box's own: the undo and redo keys act
    // on it there, and an undo from the Edit menu leaves it in the box.
    void typingInTheTextBoxOutlivesTheHistory() {
        makeAChange();
        auto* box = child<QLineEdit>("Text1");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClicks(box, QStringLiteral("xy"));
        const QString typed = box->text();
        QTest::keyClick(box, Qt::Key_Backspace, Qt::AltModifier);
        QVERIFY(box->text() != typed);
        QCOMPARE(m_window->history().count(), 1);
        QTest::keyClick(box, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(box->text(), typed);
        QVERIFY(!m_window->history().isClean());

        trigger("mnu_Undo");
        QVERIFY(m_window->history().isClean());
        QCOMPARE(box->text(), typed);
        QCOMPARE(project().Panes[1].Text, QStringLiteral("text 1"));
    }

    // A bitmap an undo brings back is never written over by a later command,
    // and goes once no step can bring it back and no pane shows it.
    void bitmapsLiveAsLongAsAStepCanBringThemBack() {
        clickPane(1);
        trigger("mnu_FlipHorizontally");
        const QString flipped = project().Panes[1].WorkPicture;
        const QImage mirrored(flipped);
        const QString source = project().Panes[1].SourcePicture;
        m_platform->answerOpen(writePicture(QStringLiteral("Other.bmp"), qRgb(5, 5, 5)));
        trigger("mnu_LoadPicture");
        const QString other = project().Panes[1].WorkPicture;
        // The first picture again, unmirrored, into the same pane.
        m_platform->answerOpen(source);
        trigger("mnu_LoadPicture");
        const QString again = project().Panes[1].WorkPicture;
        QVERIFY(again != flipped);
        trigger("mnu_Undo");
        trigger("mnu_Undo");
        QCOMPARE(project().Panes[1].WorkPicture, flipped);
        QCOMPARE(project().Panes[1].FlipH, qint16(1));
        QVERIFY(QImage(flipped) == mirrored);

        // A new step drops the one undone last, and its bitmap with it.
        trigger("mnu_Redo");
        clickPane(3);
        trigger("mnu_MakeBlank");
        QVERIFY(!m_window->history().canRedo());
        QVERIFY(!QFile::exists(again));
        QVERIFY(QFile::exists(other));
        QVERIFY(QFile::exists(flipped));
    }

    // After an open, a pane reads its picture from the picture folder; a save that
    // writes another picture over that file keeps the one an undo brings back.
    void aSaveKeepsTheSourcesAnUndoBringsBack() {
        const QString saved = savedProject();
        m_platform->answerOpen(saved);
        trigger("mnu_OpenProject");
        const QColor opened = QImage(project().Panes[1].SourcePicture).pixelColor(15, 15);
        // Named as pane 1's picture was: saved to the very same file.
        QDir().mkpath(file(QStringLiteral("elsewhere")));
        const QString other = file(QStringLiteral("elsewhere/Pane1.bmp"));
        QVERIFY(QFile::copy(writePicture(QStringLiteral("Grey.bmp"), qRgb(90, 90, 90)), other));
        clickPane(1);
        m_platform->answerOpen(other);
        trigger("mnu_LoadPicture");
        savedProject();
        trigger("mnu_Undo");
        QCOMPARE(QImage(project().Panes[1].SourcePicture).pixelColor(15, 15), opened);
    }

    // Undo brings back the bitmaps of the old size as they were; none is made again.
    void boardSetupUndoneKeepsTheOldBitmaps() {
        QStringList names;
        for (int pane : {1, 2, 3, 5})
            names << project().Panes[pane].WorkPicture;
        const QDateTime written = QFileInfo(names.first()).lastModified();
        const QSize oldSize = QImageReader(names.first()).size();
        perform(QStringLiteral("setup keep"));
        QVERIFY(QImageReader(project().Panes[1].WorkPicture).size() != oldSize);
        trigger("mnu_Undo");
        QStringList restored;
        for (int pane : {1, 2, 3, 5})
            restored << project().Panes[pane].WorkPicture;
        QCOMPARE(restored, names);
        QCOMPARE(QImageReader(names.first()).size(), oldSize);
        QCOMPARE(QFileInfo(names.first()).lastModified(), written);
        QCOMPARE(child<QComboBox>("Combo_PageView")->count(), 2);
    }

    // A bitmap an undo brings back after the stage changed its size is made at
    // the new size, as those on show are; from the bitmap itself when its source
    // picture is gone (a drive unplugged).
    // Pictures another program replaced on disk (an editor saving over the same
    // project) are not read again: the panes keep what they show, said once.
    void aSetupKeepsPicturesThatChangedOnDisk() {
        QImage other(50, 50, QImage::Format_RGB32);
        other.fill(qRgb(0, 0, 255));
        QVERIFY(QFile::remove(project().Panes[1].SourcePicture));
        QVERIFY(other.save(project().Panes[1].SourcePicture, "BMP"));
        m_platform->expectMessage(QStringLiteral("Vistavel : Pictures Changed"));
        setUp(1, QStringLiteral("3"), false);
        setUp(0, QStringLiteral("2"), false);
        const QImage shown(project().Panes[1].WorkPicture);
        QCOMPARE(shown.pixel(shown.width() / 2, shown.height() / 2), qRgb(200, 30, 30));
        QCOMPARE(QImage(project().Panes[2].WorkPicture).size().width(), m_window->paneBitmapSide());
    }

    void undoAfterAResizeFitsTheBitmapToTheStage() {
        for (int pane : {1, 2})
            QVERIFY(QFile::remove(project().Panes[pane].SourcePicture));
        for (int pane : {1, 3}) {
            clickPane(pane);
            trigger("mnu_MakeBlank");
        }
        m_platform->setWorkArea(QSize(1000, 800));
        trigger("mnu_Undo");
        trigger("mnu_Undo");
        const QSize side(m_window->paneBitmapSide(), m_window->paneBitmapSide());
        for (int pane : {1, 2, 3})
            QCOMPARE(QImageReader(project().Panes[pane].WorkPicture).size(), side);
    }

    // On a disk running short the history lets go of its oldest steps and their
    // bitmaps rather than fill the disk; a setup with no room changes nothing.
    void theHistoryKeepsWithinTheFreeSpace() {
        // Pictures in 35 more entries, most of them hidden: 39 bitmaps a layout.
        for (int pane = 6; pane <= 40; ++pane)
            QVERIFY(!givePicture(*m_window, pane, QImage(file(QStringLiteral("P1.bmp"))),
                                 file(QStringLiteral("Hidden%1.bmp").arg(pane)))
                         .isEmpty());
        // 64 MB free: 16 MB for the history, less than two layouts' bitmaps.
        m_platform->setFreeSpace(qint64(64) << 20);
        setUp(1, QStringLiteral("3"), false);
        setUp(0, QStringLiteral("2"), false);
        setUp(1, QStringLiteral("3"), false);
        QCOMPARE(m_window->history().count(), 1);
        // Those on show, and those of one layout for the undo.
        const QDir work(m_window->workFolder().path());
        QCOMPARE(work.entryList({QStringLiteral("*.BMP")}, QDir::Files).size(), 2 * 39);
        QVERIFY(!m_window->history().isClean());
        trigger("mnu_Undo");
        QCOMPARE(project().GridSize, qint16(2));
        QVERIFY(!m_window->history().canUndo());
        QVERIFY(QFile::exists(project().Panes[1].WorkPicture));

        m_platform->setFreeSpace(qint64(1) << 20);
        const Snapshot before = snapshot();
        m_platform->expectMessage(QStringLiteral("Vistavel : Board Setup"));
        setUp(1, QStringLiteral("3"), false);
        verifySame(snapshot(), before);
        QVERIFY(m_window->history().canRedo());
    }

    void theQuestionBeforeUnsavedWorkIsClosed_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("goesOn");
        using platform::MessageAnswer;
        for (const char* how : {"Exit", "close box", "Open Project ..."}) {
            QTest::addRow("%s, unchanged", how) << how << false << int(MessageAnswer::Ok) << true;
            QTest::addRow("%s, Save", how) << how << true << int(MessageAnswer::Save) << true;
            QTest::addRow("%s, Discard", how) << how << true << int(MessageAnswer::Discard) << true;
            QTest::addRow("%s, Cancel", how) << how << true << int(MessageAnswer::Cancel) << false;
        }
        QTest::addRow("dropped project, Cancel")
            << "drop" << true << int(MessageAnswer::Cancel) << false;
        QTest::addRow("dropped project, Discard")
            << "drop" << true << int(MessageAnswer::Discard) << true;
    }
    void theQuestionBeforeUnsavedWorkIsClosed() {
        QFETCH(QString, how);
        QFETCH(bool, changed);
        QFETCH(int, answer);
        QFETCH(bool, goesOn);
        const QString other = savedProject();
        QVERIFY(m_window->history().isClean());
        if (changed)
            makeAChange();
        const auto saveAnswer = platform::MessageAnswer(answer);
        if (changed)
            m_platform->expectMessage(QStringLiteral("Vistavel : Save Changes"), saveAnswer);
        if (saveAnswer == platform::MessageAnswer::Save)
            m_platform->answerSave(file(QStringLiteral("Kept.vv1")));
        const bool opens = how == QLatin1String("Open Project ...") || how == "drop";
        if (how == QLatin1String("Open Project ...") && goesOn)
            m_platform->answerOpen(other);
        if (how == QLatin1String("Exit"))
            trigger("mnu_Exit");
        else if (how == QLatin1String("close box"))
            m_window->close();
        else if (how == QLatin1String("Open Project ..."))
            trigger("mnu_OpenProject");
        else {
            const auto drag = fileDrag({other});
            QVERIFY(dragAndDrop(m_window.get(), QPoint(10, 100), drag.get()));
            QCoreApplication::processEvents();
        }
        if (changed) {
            const platform::MessageRequest& question = m_platform->messages().last();
            QCOMPARE(question.text,
                     QStringLiteral("Do you want to save the changes to Saved.vv1?"));
            QCOMPARE(question.buttons, platform::MessageButtons::SaveDiscardCancel);
        }
        QCOMPARE(QFile::exists(file(QStringLiteral("Kept.vv1"))),
                 saveAnswer == platform::MessageAnswer::Save);
        if (opens) {
            // A project opened starts a history of its own.
            QCOMPARE(m_window->history().count(), goesOn ? 0 : 1);
            QCOMPARE(project().Panes[1].Text, QString(goesOn ? "text 1" : "ToUse"));
        } else {
            QCOMPARE(m_window->isVisible(), !goesOn);
        }
        const bool saved = !changed || saveAnswer == platform::MessageAnswer::Save;
        QCOMPARE(m_window->history().isClean(), opens ? goesOn : saved);
    }

    // A close request that is no user input, as a compositor's, may come while
    // an import lets events run: the import ends whole before the question.
    void aCloseRequestDuringACommandWaitsForItsEnd() {
        for (int n = 1; n <= 3; ++n)
            writePicture(QStringLiteral("Seq0%1.bmp").arg(n), qRgb(n * 60, 100, 20));
        selectRow(0);
        m_platform->answerOpen(file(QStringLiteral("Seq01.bmp")));
        m_platform->expectMessage(importTitle());
        m_platform->expectMessage(QStringLiteral("Vistavel : Save Changes"),
                                  platform::MessageAnswer::Cancel);
        QCoreApplication::postEvent(m_window->windowHandle(), new QCloseEvent);
        trigger("mnu_MassImage");
        for (int pane = 1; pane <= 3; ++pane)
            QVERIFY(QFile::exists(project().Panes[pane].WorkPicture));
        QTRY_COMPARE(m_platform->messages().size(), 2);
        QVERIFY(m_window->isVisible());
    }

    void aNewProjectIsNamedAndACancelledSaveKeepsItOpen() {
        makeAChange();
        m_platform->expectMessage(QStringLiteral("Vistavel : Save Changes"),
                                  platform::MessageAnswer::Save);
        m_platform->answerSave(QString());
        trigger("mnu_Exit");
        QCOMPARE(m_platform->messages().last().text,
                 QStringLiteral("Do you want to save the changes to the new project?"));
        QCOMPARE(m_platform->saveRequests().last().proposedName, QStringLiteral("Untitled.vv1"));
        QVERIFY(m_window->isVisible());
        QVERIFY(!m_window->history().isClean());
    }

    // An ending signal finds nobody to answer: the program ends as it is.
    void theSessionEndsWithoutAQuestion() {
        makeAChange();
        m_window->EndSession();
        QVERIFY(!m_window->isVisible());
    }
};

VV_TEST_MAIN(HistoryTest)
#include "tst_history.moc"
