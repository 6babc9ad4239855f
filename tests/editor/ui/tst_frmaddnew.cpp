#include "editor/ui/frmmain.h"
#include "editortesting.h"
#include "fakeplatform.h"
#include "modalanswer.h"
#include "testmain.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using namespace editor;
using testsupport::answerModal;

namespace {

const QRgb kGrey = qRgb(193, 193, 193);

template <typename T> T* part(QWidget* parent, const char* name) {
    T* found = parent->findChild<T*>(QLatin1String(name));
    Q_ASSERT(found);
    return found;
}

QLineEdit* countBox(QDialog* dialog) {
    return part<QLineEdit>(dialog, "Text_BoardAmount");
}

void chooseGrid(QDialog* dialog, int entry) {
    auto* grids = part<QComboBox>(dialog, "Combo_MatrixSize");
    QTest::keyClick(grids, Qt::Key_Home);
    for (int i = 0; i < entry; ++i)
        QTest::keyClick(grids, Qt::Key_Down);
}

void typeCount(QDialog* dialog, const QString& text) {
    QTest::keyClick(countBox(dialog), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(countBox(dialog), text);
}

void press(QDialog* dialog, const char* button) {
    QTest::mouseClick(part<QAbstractButton>(dialog, button), Qt::LeftButton);
}

} // namespace

class FrmAddNewTest : public QObject, protected testsupport::EditorWindowFixture {
    Q_OBJECT
private:
    ProjectRecord& project() { return m_window->project(); }
    QStringList paneList() {
        auto* list = part<QListWidget>(m_window.get(), "List1");
        QStringList entries;
        for (int i = 0; i < list->count(); ++i)
            entries << list->item(i)->text();
        return entries;
    }
    QComboBox* boardList() { return part<QComboBox>(m_window.get(), "Combo_PageView"); }
    void changeProject(std::function<void(QDialog*)> answer,
                       const char* command = "mnu_ChangeProject") {
        answerModal(this, std::move(answer));
        part<QAction>(m_window.get(), command)->trigger();
    }
    void givePicture(int pane, QColor colour, const QString& text) {
        QVERIFY(!testsupport::givePicture(*m_window, pane, testsupport::filledPicture(colour),
                                          QDir(m_platform->programFolder())
                                              .filePath(QStringLiteral("Image%1.bmp").arg(pane)))
                     .isEmpty());
        project().Panes[pane].Text = text;
    }

private Q_SLOTS:
    void init() { openWindow(); }
    void cleanup() {
        const QStringList problems = closeWindow();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void typedCountIsCutToTheGridsMaximumAndTheDialogRemembersItsGrid() {
        changeProject([](QDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Board Setup"));
            QCOMPARE(countBox(dialog)->text(), QStringLiteral("1"));
            QCOMPARE(part<QLabel>(dialog, "Label1")->text(),
                     QStringLiteral("Max 100 boards x 4 panes = 400 panes"));
            chooseGrid(dialog, 2);
            QCOMPARE(part<QLabel>(dialog, "Label1")->text(),
                     QStringLiteral("Max 62 boards x 16 panes = 992 panes"));
            typeCount(dialog, QStringLiteral("99"));
            QCOMPARE(countBox(dialog)->text(), QStringLiteral("99"));
            press(dialog, "Button_acceptOrclose_1");
        });
        QCOMPARE(project().GridSize, qint16(4));
        QCOMPARE(project().BoardCount, qint16(62));
        QCOMPARE(boardList()->count(), 62);
        QCOMPARE(boardList()->currentIndex(), 0);
        QCOMPARE(boardList()->itemText(61), QStringLiteral("Board 62"));
        QCOMPARE(paneList().size(), 992);
        QCOMPARE(paneList().last(), QStringLiteral("992. ToUse"));
        QCOMPARE(m_window->paneSize(), 233);
        QVERIFY(!project().IsBusy);

        // Opened again, from the Board menu: the grid and its limit as left, the
        // project's count in the box; Close changes nothing.
        changeProject(
            [](QDialog* dialog) {
                QCOMPARE(part<QComboBox>(dialog, "Combo_MatrixSize")->currentText(),
                         QStringLiteral("4 x 4"));
                QCOMPARE(part<QLabel>(dialog, "Label1")->text(),
                         QStringLiteral("Max 62 boards x 16 panes = 992 panes"));
                QCOMPARE(countBox(dialog)->text(), QStringLiteral("62"));
                chooseGrid(dialog, 0);
                typeCount(dialog, QStringLiteral("3"));
                press(dialog, "Button_acceptOrclose_0");
            },
            "mnu_BoardChangeProject");
        QCOMPARE(project().GridSize, qint16(4));
        QCOMPARE(project().BoardCount, qint16(62));

        // The frame's close box is a Close too.
        changeProject([](QDialog* dialog) {
            QCOMPARE(part<QComboBox>(dialog, "Combo_MatrixSize")->currentText(),
                     QStringLiteral("2 x 2"));
            dialog->close();
        });
        QCOMPARE(project().GridSize, qint16(4));
        QCOMPARE(boardList()->count(), 62);
    }

    // Typed a character at a time, a fraction stays in the box; Accept rounds it.
    void fractionalCountIsRoundedOnAccept_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("boards");
        QTest::newRow("2.5") << "2.5" << 2;
        QTest::newRow("3.5") << "3.5" << 4;
    }
    void fractionalCountIsRoundedOnAccept() {
        QFETCH(QString, typed);
        QFETCH(int, boards);
        changeProject([&](QDialog* dialog) {
            typeCount(dialog, typed);
            QCOMPARE(countBox(dialog)->text(), typed);
            press(dialog, "Button_acceptOrclose_1");
        });
        QCOMPARE(project().BoardCount, qint16(boards));
        QCOMPARE(boardList()->count(), boards);
    }

    void unusableCountShowsTheMaximumSelected_data() {
        QTest::addColumn<int>("grid");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0 with 2 x 2") << 0 << "0"
                                      << "100";
        QTest::newRow("0 with 4 x 4") << 2 << "0"
                                      << "062";
        QTest::newRow("letter with 5 x 5") << 3 << "x"
                                           << "040";
        QTest::newRow("1a with 3 x 3") << 1 << "1a"
                                       << "100";
        QTest::newRow("blanks only") << 3 << "  "
                                     << "040";
    }
    void unusableCountShowsTheMaximumSelected() {
        QFETCH(int, grid);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        changeProject([&](QDialog* dialog) {
            chooseGrid(dialog, grid);
            typeCount(dialog, typed);
            QLineEdit* box = countBox(dialog);
            QCOMPARE(box->text(), shown);
            QCOMPARE(box->selectedText(), shown);
            QCOMPARE(dialog->focusWidget(), box);
            // Typing replaces the selected maximum.
            QTest::keyClicks(box, QStringLiteral("7"));
            QCOMPARE(box->text(), QStringLiteral("7"));
            // Deleting it all puts the maximum back.
            QTest::keyClick(box, Qt::Key_Backspace);
            QCOMPARE(box->text(), shown);
            press(dialog, "Button_acceptOrclose_1");
        });
        QCOMPARE(project().GridSize, qint16(grid + 2));
        QCOMPARE(int(project().BoardCount), shown.toInt());
    }

    void arrowsStopAtOneAndAtTheMaximum() {
        changeProject([](QDialog* dialog) {
            chooseGrid(dialog, 3);
            QLineEdit* box = countBox(dialog);
            typeCount(dialog, QStringLiteral("3"));
            press(dialog, "UpDownControl_Down");
            QCOMPARE(box->text(), QStringLiteral("2"));
            press(dialog, "UpDownControl_Down");
            QCOMPARE(box->text(), QStringLiteral("001"));
            QCOMPARE(box->selectedText(), QStringLiteral("001"));
            press(dialog, "UpDownControl_Up");
            QCOMPARE(box->text(), QStringLiteral("2"));
            typeCount(dialog, QStringLiteral("39"));
            press(dialog, "UpDownControl_Up");
            QCOMPARE(box->text(), QStringLiteral("40"));
            press(dialog, "UpDownControl_Up");
            QCOMPARE(box->text(), QStringLiteral("40"));
            typeCount(dialog, QStringLiteral("55"));
            press(dialog, "UpDownControl_Up");
            QCOMPARE(box->text(), QStringLiteral("40"));
            press(dialog, "Button_acceptOrclose_1");
        });
        QCOMPARE(project().GridSize, qint16(5));
        QCOMPARE(project().BoardCount, qint16(40));
    }

    void keptItemsFlowOntoTheNewBoardsAndDiscardClearsThem() {
        project().BoardCount = 2;
        m_window->RebuildLists();
        m_window->RefreshBoard();
        givePicture(5, Qt::red, QStringLiteral("fifth"));
        project().Panes[5].Label = QStringLiteral("label");

        changeProject([](QDialog* dialog) {
            chooseGrid(dialog, 1);
            QVERIFY(part<QRadioButton>(dialog, "Option1_1")->isChecked());
            press(dialog, "Button_acceptOrclose_1");
        });
        QCOMPARE(project().GridSize, qint16(3));
        QCOMPARE(project().BoardCount, qint16(2));
        QCOMPARE(m_window->paneSize(), 311);
        QCOMPARE(QImage(project().Panes[5].WorkPicture).size(), QSize(311, 311));
        // Pane 5 is now the middle of board 1.
        const QImage stage = m_window->stageSurface().image();
        QCOMPARE(stage.pixel(311 + 150, 311 + 150), qRgb(255, 0, 0));
        QCOMPARE(paneList().size(), 18);
        QCOMPARE(paneList().at(4), QStringLiteral("005. fifth"));

        changeProject([](QDialog* dialog) {
            QTest::mouseClick(part<QRadioButton>(dialog, "Option1_0"), Qt::LeftButton);
            press(dialog, "Button_acceptOrclose_1");
        });
        QCOMPARE(paneList().at(4), QStringLiteral("005. ToUse"));
        QCOMPARE(project().Panes[5].Text, kUnsetText);
        QCOMPARE(project().Panes[5].Label, kUnsetText);
        QCOMPARE(project().Panes[5].WorkPicture, kNoPicture);
        QCOMPARE(m_window->stageSurface().image().pixel(311 + 100, 311 + 100), kGrey);

        // The options stay as left too.
        changeProject([](QDialog* dialog) {
            QVERIFY(part<QRadioButton>(dialog, "Option1_0")->isChecked());
            press(dialog, "Button_acceptOrclose_0");
        });
    }

    void aPictureThatCannotBePreparedAgainIsReported() {
        givePicture(2, Qt::blue, QStringLiteral("second"));
        // Gone, source and bitmap alike.
        QFile::remove(project().Panes[2].SourcePicture);
        QFile::remove(project().Panes[2].WorkPicture);
        m_platform->expectMessage(QStringLiteral("Vistavel : Board Setup"));
        changeProject([](QDialog* dialog) {
            chooseGrid(dialog, 1);
            press(dialog, "Button_acceptOrclose_1");
        });
        QVERIFY(m_platform->messages().at(0).text.contains(QStringLiteral(": 2.")));
        QCOMPARE(project().Panes[2].WorkPicture, kNoPicture);
        QCOMPARE(paneList().at(1), QStringLiteral("002. second"));
    }
};

VV_TEST_MAIN(FrmAddNewTest)
#include "tst_frmaddnew.moc"
