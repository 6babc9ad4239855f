#include "editor/print/frmpaper.h"
#include "editor/print/frmpaperpreview.h"
#include "editortesting.h"
#include "modalanswer.h"
#include "testmain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>

using namespace editor;
using namespace testsupport;

namespace {

int pdfPages(const QString& pdf) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished(60000);
    const QString out = QString::fromUtf8(info.readAllStandardOutput());
    const qsizetype at = out.indexOf(QStringLiteral("Pages:"));
    return at < 0 ? -1 : out.mid(at + 6).section(QLatin1Char('\n'), 0, 0).trimmed().toInt();
}

} // namespace

class PaperDialogTest : public QObject, protected EditorWindowFixture {
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    // Answers the paper dialog: `steps` first, then the button that goes on (or Cancel).
    void answerPaper(const std::function<void(QDialog*)>& steps, bool goOn = true) {
        answerModal(this, [steps, goOn](QDialog* dialog) {
            QVERIFY(qobject_cast<frmPaper*>(dialog));
            if (steps)
                steps(dialog);
            part<QPushButton>(dialog, goOn ? "button_Go" : "button_Cancel")->click();
        });
    }

private Q_SLOTS:
    void init() {
        openWindow();
        m_window->project().BoardCount = 2;
    }
    void cleanup() {
        const QStringList problems = closeWindow();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void exportWritesTheChosenFile_data() {
        QTest::addColumn<bool>("goOn");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("pages");
        QTest::addColumn<bool>("failure");
        QTest::newRow("both boards") << true << "boards.pdf"
                                     << "boards.pdf" << 2 << false;
        QTest::newRow("no suffix typed") << true << "story"
                                         << "story.pdf" << 2 << false;
        QTest::newRow("folder missing") << true << "gone/boards.pdf"
                                        << "gone/boards.pdf" << -1 << true;
        QTest::newRow("dialog closed") << false << ""
                                       << "closed.pdf" << -1 << false;
    }
    void exportWritesTheChosenFile() {
        QFETCH(bool, goOn);
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QFETCH(int, pages);
        QFETCH(bool, failure);
        answerPaper({}, goOn);
        if (goOn)
            m_platform->answerSave(m_dir.filePath(chosen));
        if (failure)
            m_platform->expectMessage(QStringLiteral("Vistavel : PDF Export"));
        trigger("mnu_ExportPDF");
        QCOMPARE(pdfPages(m_dir.filePath(written)), pages);
        // The chooser adds the suffix, so its question about replacing a file covers the real name.
        if (goOn)
            QCOMPARE(m_platform->saveRequests().last().defaultSuffix, QStringLiteral("pdf"));
        if (failure)
            QVERIFY(m_platform->messages().last().text.contains(
                QDir::toNativeSeparators(m_dir.filePath(written))));
    }

    // The choices stay for the next use; a range of every board grows with the project.
    void dialogKeepsItsChoices() {
        answerPaper([](QDialog* dialog) {
            QCOMPARE(part<QSpinBox>(dialog, "spin_LastBoard")->value(), 2);
            // The orientation is the best fit until the user picks one.
            QVERIFY(part<QRadioButton>(dialog, "option_BestFit")->isChecked());
            auto* continuous = part<QCheckBox>(dialog, "check_Continuous");
            QVERIFY(!continuous->isEnabled());
            // The dialog says how much of a note the choices keep.
            auto* noteLines = part<QLabel>(dialog, "label_NoteLines");
            const QString inGrid = noteLines->text();
            QVERIFY2(inGrid.contains(QRegularExpression(QStringLiteral("\\d+ lines?"))),
                     qPrintable(inGrid));
            part<QCheckBox>(dialog, "check_NotesInFull")->setChecked(true);
            QVERIFY(noteLines->text().contains(QStringLiteral("whole")));
            part<QCheckBox>(dialog, "check_NotesInFull")->setChecked(false);
            part<QComboBox>(dialog, "combo_Arrangement")->setCurrentIndex(2);
            QVERIFY(continuous->isEnabled());
            QVERIFY(!part<QCheckBox>(dialog, "check_NotesInFull")->isEnabled());
            QVERIFY(noteLines->text() != inGrid);
            continuous->setChecked(true);
            part<QCheckBox>(dialog, "check_Proportions")->setChecked(false);
            part<QComboBox>(dialog, "combo_Paper")->setCurrentIndex(3);
            part<QRadioButton>(dialog, "option_Portrait")->click();
        });
        m_platform->answerSave(m_dir.filePath(QStringLiteral("first.pdf")));
        trigger("mnu_ExportPDF");
        m_window->project().BoardCount = 3;
        answerPaper(
            [](QDialog* dialog) {
                QCOMPARE(dialog->windowTitle(), QStringLiteral("Print"));
                QCOMPARE(part<QComboBox>(dialog, "combo_Arrangement")->currentIndex(), 2);
                QCOMPARE(part<QComboBox>(dialog, "combo_Paper")->currentText(),
                         QStringLiteral("A5"));
                QVERIFY(part<QRadioButton>(dialog, "option_Portrait")->isChecked());
                QVERIFY(part<QCheckBox>(dialog, "check_Continuous")->isChecked());
                QVERIFY(!part<QCheckBox>(dialog, "check_Proportions")->isChecked());
                QCOMPARE(part<QSpinBox>(dialog, "spin_LastBoard")->value(), 3);
            },
            false);
        trigger("mnu_Print");
    }

    // The chooser offers the project's name in the folder of the last PDF; every
    // control of the dialog has a name a screen reader can say.
    void chooserOffersTheLastFolder() {
        answerPaper([](QDialog* dialog) {
            const QList<QWidget*> controls = dialog->findChildren<QWidget*>();
            for (QWidget* control : controls)
                if (qobject_cast<QSpinBox*>(control) || qobject_cast<QCheckBox*>(control) ||
                    qobject_cast<QComboBox*>(control))
                    QVERIFY2(!control->accessibleName().isEmpty(),
                             qPrintable(control->objectName()));
        });
        QDir(m_dir.path()).mkpath(QStringLiteral("sub"));
        m_platform->answerSave(m_dir.filePath(QStringLiteral("sub/first.pdf")));
        trigger("mnu_ExportPDF");
        answerPaper({});
        m_platform->answerSave({});
        trigger("mnu_ExportPDF");
        const auto& requests = m_platform->saveRequests();
        QCOMPARE(requests.first().proposedName, QStringLiteral("Untitled.pdf"));
        QCOMPARE(QDir(requests.last().startFolder), QDir(m_dir.filePath(QStringLiteral("sub"))));
    }

    // Print shows its pages in a preview drawn by the same code, a page at a time;
    // no printer is needed.
    void printPreviewShowsEveryPage() {
        int previewed = -1;
        bool stepped = false;
        answerPaper([&](QDialog*) {
            answerModal(this, [&](QDialog* preview) {
                auto* pages = qobject_cast<frmPaperPreview*>(preview);
                QVERIFY(pages);
                previewed = pages->pageCount();
                QVERIFY(!part<QPushButton>(preview, "button_Previous")->isEnabled());
                part<QPushButton>(preview, "button_Next")->click();
                stepped = pages->currentPage() == 1 &&
                          !part<QPushButton>(preview, "button_Next")->isEnabled() &&
                          !part<QLabel>(preview, "label_Page")->pixmap().isNull();
                part<QPushButton>(preview, "button_Close")->click();
            });
        });
        trigger("mnu_Print");
        QTRY_COMPARE(previewed, 2);
        QVERIFY(stepped);
    }
};

VV_TEST_MAIN(PaperDialogTest)
#include "tst_paperdialog.moc"
