#include "editor/export/frmhtml.h"
#include "editor/ui/frmmain.h"
#include "editortesting.h"
#include "fakeplatform.h"
#include "testmain.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

using namespace editor;

namespace {

QByteArray readAll(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class FrmHtmlTest : public QObject, protected testsupport::EditorWindowFixture {
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_web;
    frmHTML* m_dialog = nullptr;

    template <typename T> T* control(const char* name) {
        T* found = m_dialog->findChild<T*>(QLatin1String(name));
        Q_ASSERT(found);
        return found;
    }
    void click(const char* name) {
        QPushButton* button = control<QPushButton>(name);
        QVERIFY2(button->isEnabled(), name);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QString webFile(const QString& name) const { return m_web->filePath(name); }
    QStringList webFiles() const { return QDir(m_web->path()).entryList(QDir::Files, QDir::Name); }

    // Runs File > Export As Html ... and works the dialog with `steps` once it
    // shows; whatever the steps leave open is closed, so a failing test never hangs.
    void exportWith(const std::function<void()>& steps) {
        bool ran = false;
        QTimer::singleShot(0, this, [&] {
            m_dialog = qobject_cast<frmHTML*>(QApplication::activeModalWidget());
            if (m_dialog) {
                ran = true;
                steps();
                if (m_dialog->isVisible())
                    m_dialog->reject();
            }
        });
        QAction* command = m_window->findChild<QAction*>(QStringLiteral("mnu_ExportHTML"));
        QVERIFY(command && command->isEnabled());
        command->trigger();
        QVERIFY2(ran, "the Html Export dialog did not show");
    }
    void chooseFile(const QString& name) {
        m_platform->answerSave(name);
        click("Command1");
    }
    void givePicture(int pane, const QString& name, QColor colour) {
        QVERIFY(!testsupport::givePicture(
                     *m_window, pane, testsupport::filledPicture(colour),
                     QDir(m_platform->programFolder()).filePath(name + QStringLiteral(".bmp")))
                     .isEmpty());
    }
    void setBoards(int grid, int boards) {
        m_window->project().GridSize = qint16(grid);
        m_window->project().BoardCount = qint16(boards);
        m_window->RebuildLists();
        m_window->RefreshBoard();
    }

private Q_SLOTS:
    void init() {
        openWindow();
        m_web = std::make_unique<QTemporaryDir>();
        m_dialog = nullptr;
    }
    void cleanup() {
        const QStringList problems = closeWindow();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void fileMenuOffersTheExport() {
        const QMenu* file = m_window->findChild<QMenu*>(QStringLiteral("mnu_File"));
        const QList<QAction*> items = file->actions();
        const qsizetype at = items.indexOf(m_window->findChild<QAction*>("mnu_ExportHTML"));
        QVERIFY(at >= 0 && at + 5 < items.size());
        QCOMPARE(items.at(at)->text(), QStringLiteral("Export As Html ..."));
        QCOMPARE(items.at(at + 1)->objectName(), QStringLiteral("mnu_ExportPDF"));
        QCOMPARE(items.at(at + 2)->objectName(), QStringLiteral("mnu_Print"));
        QCOMPARE(items.at(at + 3)->objectName(), QStringLiteral("mnu_ExportVideo"));
        QVERIFY(items.at(at + 4)->isSeparator());
        QCOMPARE(items.at(at + 4)->objectName(), QStringLiteral("sep10"));
        QCOMPARE(items.at(at + 5)->objectName(), QStringLiteral("mnu_Exit"));
    }

    void dialogOpensWithNoFileChosen() {
        exportWith([&] {
            QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Html Export"));
            const QTabWidget* tabs = control<QTabWidget>("SSTab1");
            QCOMPARE(tabs->currentIndex(), 0);
            QCOMPARE(tabs->tabText(0), QStringLiteral("Export"));
            QCOMPARE(tabs->tabText(1), QStringLiteral("preview"));
            QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("C:\\none"));
            QPushButton* accept = control<QPushButton>("Button_acceptOrclose_1");
            QCOMPARE(accept->text(), QStringLiteral("Accept"));
            QCOMPARE(accept->toolTip(), QStringLiteral("Use"));
            QVERIFY(!accept->isEnabled());
            QCOMPARE(control<QPushButton>("Button_acceptOrclose_0")->toolTip(),
                     QStringLiteral("Discard"));
            QVERIFY(control<QRadioButton>("Option1_1")->isChecked());
            QCOMPARE(control<QRadioButton>("Option1_1")->text(),
                     QStringLiteral("800 x 600, 1024 x 768"));
            for (int i = 0; i < 6; ++i)
                QVERIFY(control<QCheckBox>(qPrintable(QStringLiteral("Check1_%1").arg(i)))
                            ->isChecked());
            QCOMPARE(control<QCheckBox>("Check1_1")->text(),
                     QStringLiteral("Labels show as ALT tag property."));
            QVERIFY(control<QCheckBox>("Check2")->isChecked());
            const QComboBox* grid = control<QComboBox>("Combo_GridSize");
            QCOMPARE(grid->count(), 4);
            QCOMPARE(grid->currentText(), QStringLiteral("2 x 2"));

            chooseFile(webFile("tour.htm"));
            QCOMPARE(control<QLineEdit>("Text1")->text(), webFile("tour.htm"));
            QVERIFY(accept->isEnabled());
            // A cancelled choice takes the chosen file back.
            chooseFile(QString());
            QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("C:\\none"));
            QVERIFY(!accept->isEnabled());
            click("Button_acceptOrclose_0");
            QVERIFY(!m_dialog->isVisible());
        });
        const platform::FileChooserRequest request = m_platform->saveRequests().constFirst();
        QCOMPARE(request.title, QStringLiteral("Save Project (as html) ..."));
        QCOMPARE(request.filter, QStringLiteral("htm (*.htm)"));
        QCOMPARE(request.proposedName, QStringLiteral("Untitled.htm"));
        QVERIFY(webFiles().isEmpty());
    }

    void acceptWritesThePagesThenThePictures() {
        setBoards(2, 3);
        givePicture(1, QStringLiteral("Image1"), Qt::red);
        givePicture(6, QStringLiteral("my sky"), Qt::blue);
        exportWith([&] {
            chooseFile(webFile("tour.htm"));
            click("Button_acceptOrclose_1");
            QVERIFY(!m_dialog->isVisible());
            QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("C:\\none"));
        });
        QCOMPARE(webFiles(), QStringList({"Image1-001.JPG", "my sky-006.JPG", "tour_001.htm",
                                          "tour_002.htm", "tour_003.htm"}));
        QVERIFY(readAll(webFile("tour_002.htm")).contains("<img src=\"my%20sky-006.JPG\""));
        QCOMPARE(QImage(webFile("my sky-006.JPG")).size(),
                 QSize(m_window->paneSize(), m_window->paneSize()));
        QCOMPARE(m_dialog->counters().PageNumber, qint16(3));
        QCOMPARE(m_dialog->counters().PageCount, qint16(3));
    }

    void discardingWritesNothing_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("Close") << 0;
        QTest::newRow("close box") << 1;
        QTest::newRow("Escape") << 2;
    }
    void discardingWritesNothing() {
        QFETCH(int, how);
        givePicture(1, QStringLiteral("Image1"), Qt::red);
        exportWith([&] {
            chooseFile(webFile("tour.htm"));
            if (how == 0)
                click("Button_acceptOrclose_0");
            else if (how == 1)
                m_dialog->close();
            else
                QTest::keyClick(m_dialog, Qt::Key_Escape);
            QVERIFY(!m_dialog->isVisible());
        });
        QVERIFY(webFiles().isEmpty());
    }

    void optionsAndPreviewCarryOverToTheNextExport() {
        setBoards(2, 3);
        givePicture(1, QStringLiteral("Image1"), Qt::red);
        exportWith([&] {
            control<QCheckBox>("Check1_2")->setChecked(false);
            control<QRadioButton>("Option1_0")->setChecked(true);
            chooseFile(webFile("tour.htm"));
            click("Button_acceptOrclose_1");
        });
        QCOMPARE(webFiles().size(), 4);
        exportWith([&] {
            QVERIFY(!control<QCheckBox>("Check1_2")->isChecked());
            QVERIFY(control<QRadioButton>("Option1_0")->isChecked());
            QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("C:\\none"));
            QVERIFY(!control<QPushButton>("Button_acceptOrclose_1")->isEnabled());
            // The preview starts again at pane 1 but keeps the last export's page
            // number: it was the last page, so there is no "Next".
            control<QTabWidget>("SSTab1")->setCurrentIndex(1);
            const QString preview = control<QPlainTextEdit>("html_code")->toPlainText();
            QVERIFY(preview.contains("<img src=\"Image1-001.JPG\" width=\"49%\" height=\"98%\""));
            QVERIFY(!preview.contains("<strong>"));
            QVERIFY(!preview.contains("Next"));
            QCOMPARE(m_dialog->counters().PageNumber, qint16(3));
            QCOMPARE(m_dialog->counters().ImagePane, qint16(4));
            click("Button_acceptOrclose_0");
            QCOMPARE(control<QTabWidget>("SSTab1")->currentIndex(), 0);
        });
    }

    // Without "Auto-create html code" only page 1 is written: the user's edit of
    // it as it stands, made in this export or an earlier one, or else exactly the
    // page a ticked export writes, never a page left in the box by an earlier export.
    void withoutAutoCreateOnlyPageOneIsWritten_data() {
        QTest::addColumn<int>("earlier"); // 0 none, 1 a ticked export, 2 a hand edit
        QTest::addColumn<bool>("preview");
        QTest::addColumn<QString>("typed");
        const QString hand = QStringLiteral("<p>made\nby\u00A0hand</p>");
        QTest::newRow("typed by hand") << 0 << true << hand;
        QTest::newRow("typed after an export") << 1 << true << hand;
        QTest::newRow("emptied by hand") << 0 << true << "";
        QTest::newRow("preview untouched") << 0 << true << QString();
        QTest::newRow("preview untouched after an export") << 1 << true << QString();
        QTest::newRow("preview not opened after an export") << 1 << false << QString();
        QTest::newRow("edit of an earlier export") << 2 << false << QString();
        QTest::newRow("edit of an earlier export, previewed") << 2 << true << QString();
    }
    void withoutAutoCreateOnlyPageOneIsWritten() {
        QFETCH(int, earlier);
        QFETCH(bool, preview);
        QFETCH(QString, typed);
        setBoards(2, 3);
        const auto exportTo = [&](const QString& name, bool autoCreate, bool openPreview,
                                  const QString& text) {
            exportWith([&] {
                control<QCheckBox>("Check2")->setChecked(autoCreate);
                if (openPreview)
                    control<QTabWidget>("SSTab1")->setCurrentIndex(1);
                if (!text.isNull()) {
                    QPlainTextEdit* box = control<QPlainTextEdit>("html_code");
                    box->selectAll();
                    if (text.isEmpty())
                        QTest::keyClick(box, Qt::Key_Delete);
                    else
                        box->insertPlainText(text);
                }
                control<QTabWidget>("SSTab1")->setCurrentIndex(0);
                chooseFile(webFile(name));
                click("Button_acceptOrclose_1");
            });
        };
        if (earlier == 1)
            exportTo(QStringLiteral("old.htm"), true, false, QString());
        if (earlier == 2)
            exportTo(QStringLiteral("old.htm"), false, true, QStringLiteral("<p>old</p>"));
        exportTo(QStringLiteral("trip.htm"), false, preview, typed);
        const QByteArray page = readAll(webFile("trip_001.htm"));
        QVERIFY(!QFile::exists(webFile("trip_002.htm")));
        if (!typed.isEmpty()) {
            QCOMPARE(page, QByteArray("<p>made\r\nby\xA0hand</p>\r\n"));
            return;
        }
        if (earlier == 2) {
            QCOMPARE(page, QByteArray("<p>old</p>\r\n"));
            return;
        }
        exportTo(QStringLiteral("trip.htm"), true, false, QString());
        QCOMPARE(page, readAll(webFile("trip_001.htm")));
        QVERIFY(page.contains("<a href=\"trip_002.htm\">Next</a>"));
    }

    // A cancelled choice takes back the page file but not its name: the
    // preview's pages keep it.
    void previewKeepsTheNameOfACancelledChoice() {
        setBoards(2, 3);
        exportWith([&] {
            control<QCheckBox>("Check2")->setChecked(false);
            chooseFile(webFile("old.htm"));
            click("Button_acceptOrclose_1");
        });
        exportWith([&] {
            control<QCheckBox>("Check2")->setChecked(true);
            chooseFile(webFile("trip.htm"));
            chooseFile(QString());
            QVERIFY(!control<QPushButton>("Button_acceptOrclose_1")->isEnabled());
            control<QTabWidget>("SSTab1")->setCurrentIndex(1);
            QVERIFY(control<QPlainTextEdit>("html_code")
                        ->toPlainText()
                        .contains("<a href=\"trip_002.htm\">Next</a>"));
            click("Button_acceptOrclose_0");
        });
        QCOMPARE(webFiles(), QStringList({"old_001.htm"}));
    }

    void unwritablePageStopsTheExport() {
        givePicture(1, QStringLiteral("Image1"), Qt::red);
        QVERIFY(QDir(m_web->path()).mkdir("tour_001.htm"));
        m_platform->expectMessage(QStringLiteral("Vistavel : Export"));
        exportWith([&] {
            chooseFile(webFile("tour.htm"));
            click("Button_acceptOrclose_1");
            QVERIFY(!m_dialog->isVisible());
        });
        QVERIFY(m_platform->messages().constLast().text.contains(
            QDir::toNativeSeparators(webFile("tour_001.htm"))));
        QVERIFY(webFiles().isEmpty());
    }

    void lostBitmapIsReportedAndTheOthersConverted() {
        givePicture(1, QStringLiteral("Lost"), Qt::red);
        givePicture(2, QStringLiteral("Kept"), Qt::green);
        QVERIFY(QFile::remove(m_window->project().Panes[1].WorkPicture));
        m_platform->expectMessage(QStringLiteral("VV1 : Load Problem"));
        exportWith([&] {
            chooseFile(webFile("tour.htm"));
            click("Button_acceptOrclose_1");
        });
        QCOMPARE(m_platform->messages().constLast().text, QStringLiteral("Could not load bmp."));
        QCOMPARE(webFiles(), QStringList({"Kept-002.JPG", "tour_001.htm"}));
    }
};

VV_TEST_MAIN(FrmHtmlTest)
#include "tst_frmhtml.moc"
