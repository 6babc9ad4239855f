#include "editor/model/project/paneswap.h"
#include "editor/model/storage/projectstorage.h"
#include "editor/model/storage/recoverycopy.h"
#include "editor/ui/frmmain.h"
#include "editortesting.h"
#include "fakeplatform.h"
#include "platform/terminationsignals.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>

using namespace editor;

// Editors ended before their work was safe (a save cut off at each step, unsaved changes), each
// this test run again as a child (see main); a fresh window then opens what it left.

namespace {

const QRgb kColours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 0)};
const QString kRecover = QStringLiteral("Vistavel : Recover");

QRgb centre(const QString& file) {
    const QImage image(file);
    return image.pixel(image.width() / 2, image.height() / 2);
}

// Panes 1 to `panes` filled with pictures of their own, their texts naming them.
void fillPanes(frmMain& window, int panes, const QString& folder) {
    for (int pane = 1; pane <= panes; ++pane) {
        testsupport::givePicture(window, pane, testsupport::filledPicture(kColours[pane - 1]),
                                 folder + QStringLiteral("/in/Shot%1.bmp").arg(pane));
        window.project().Panes[pane].Text = QString::number(pane);
    }
}

void saveAs(testsupport::FakePlatform& platform, frmMain& window, const QString& file) {
    platform.answerSave(file);
    window.findChild<QAction*>(QStringLiteral("mnu_SaveAs"))->trigger();
}

// A fault a child save meets at a step: killed there, or a folder standing
// where the project file goes, so that moving the new one into place fails.
enum class Fault { Kill, BlockCommit, None };

// Child: opens the project, swaps its panes in pairs and saves it over itself.
int saveWithFault(const QString& fileName, int step, Fault fault) {
    testsupport::FakePlatform platform;
    frmMain window(platform);
    window.OpenProjectFile(fileName);
    SwapPanes(window.project(), 1, 2);
    SwapPanes(window.project(), 3, 4);
    const QString aside = fileName + QStringLiteral(".aside");
    const QStringList unwritten =
        saveProject(window.project(), projectPaths(fileName), 4, 1, window.workFolder(),
                    PictureCopies::CopyChanged, [&](SaveStep done) {
                        if (int(done) != step || fault == Fault::None)
                            return;
                        if (fault == Fault::Kill)
                            ::raise(SIGKILL);
                        QFile::rename(fileName, aside);
                        QDir().mkpath(fileName + QStringLiteral("/in the way"));
                    });
    if (fault == Fault::BlockCommit &&
        (!QDir(fileName).removeRecursively() || !QFile::rename(aside, fileName)))
        return 2;
    return unwritten.isEmpty() == (fault == Fault::None) ? 0 : 1;
}

// Child: the editor of a saved project of two pictures, whose pane 2's text is
// then changed. It says "ready" (once the change is in its recovery copy when
// `waitForCopy`) and runs until ended, the ending signals wired as in main.cpp.
int editAndWait(const QString& programFolder, bool waitForCopy) {
    testsupport::FakePlatform platform;
    platform.setProgramFolder(programFolder);
    frmMain window(platform);
    platform::TerminationSignals endRequests;
    QObject::connect(&endRequests, &platform::TerminationSignals::received, &window,
                     &frmMain::EndSession);
    fillPanes(window, 2, programFolder);
    saveAs(platform, window, programFolder + QStringLiteral("/Trip.vv1"));
    window.findChild<QListWidget*>(QStringLiteral("List1"))->setCurrentRow(1);
    window.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("unsaved"));
    window.findChild<QPushButton*>(QStringLiteral("cmdButton"))->click();
    for (int waited = 0;
         waitForCopy && !holdsRecoveryCopy(window.workFolder().path()) && waited < 60000;
         waited += 50)
        QTest::qWait(50);
    std::printf("ready\n");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

} // namespace

Q_DECLARE_METATYPE(Fault)
Q_DECLARE_METATYPE(editor::SaveStep)
Q_DECLARE_METATYPE(platform::MessageAnswer)

class CrashesTest : public QObject, protected testsupport::EditorWindowFixture {
    Q_OBJECT
private:
    // The program's folder, shared by the editors one after the other.
    std::unique_ptr<QTemporaryDir> m_shared;

    QString file(const QString& name) const { return m_shared->filePath(name); }
    QStringList entries(const QString& folder, const char* pattern,
                        QDir::Filters kinds = QDir::AllEntries | QDir::Hidden) const {
        return QDir(file(folder)).entryList({QLatin1String(pattern)}, kinds | QDir::NoDotAndDotDot);
    }
    QStringList workFolders() const {
        return entries(QStringLiteral("MyProjects"), "run-*", QDir::Dirs);
    }
    void startEditor() {
        m_window.reset();
        m_platform = std::make_unique<testsupport::FakePlatform>();
        m_platform->setProgramFolder(m_shared->path());
        m_window = std::make_unique<frmMain>(*m_platform);
    }
    // Runs a child until it says "ready", then sends it `signalNumber` (none: it ends itself).
    void runChild(const QStringList& arguments, int signalNumber, bool crashes) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), arguments);
        QVERIFY(child.waitForStarted());
        if (signalNumber) {
            QByteArray output;
            QTRY_VERIFY_WITH_TIMEOUT((output += child.readAllStandardOutput()).contains("ready"),
                                     90000);
            QCOMPARE(::kill(pid_t(child.processId()), signalNumber), 0);
        }
        QVERIFY(child.waitForFinished(90000));
        QCOMPARE(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, !crashes);
    }
    void offer(platform::MessageAnswer answer) {
        m_platform->expectMessage(kRecover, answer);
        m_window->OfferRecoveries();
        QVERIFY2(m_platform->problems().isEmpty(), qPrintable(m_platform->problems().join('\n')));
    }

private Q_SLOTS:
    void init() {
        m_shared = std::make_unique<QTemporaryDir>();
        startEditor();
    }
    void cleanup() {
        closeWindow();
        m_shared.reset();
    }

    void aSaveCutOffAnywhereLeavesOneWholeProject_data() {
        QTest::addColumn<SaveStep>("step");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<bool>("newer");
        using Step = SaveStep;
        // Cut off after the exchange, the save is completed by the open.
        QTest::newRow("killed when built") << Step::FolderBuilt << Fault::Kill << false;
        QTest::newRow("killed when durable") << Step::FolderDurable << Fault::Kill << false;
        QTest::newRow("killed when exchanged") << Step::FoldersExchanged << Fault::Kill << true;
        QTest::newRow("killed when committed") << Step::ProjectFileCommitted << Fault::Kill << true;
        QTest::newRow("commit fails") << Step::FoldersExchanged << Fault::BlockCommit << false;
        QTest::newRow("not cut off") << Step::FolderBuilt << Fault::None << true;
    }
    void aSaveCutOffAnywhereLeavesOneWholeProject() {
        QFETCH(SaveStep, step);
        QFETCH(Fault, fault);
        QFETCH(bool, newer);
        fillPanes(*m_window, 4, m_shared->path());
        saveAs(*m_platform, *m_window, file(QStringLiteral("Trip.vv1")));
        // A file the project does not name stays in its picture folder.
        QFile notes(file(QStringLiteral("Trip_Data/notes.txt")));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.close();
        // So does a folder of the user's own in it.
        QVERIFY(QDir().mkpath(file(QStringLiteral("Trip_Data/extra"))));
        runChild({QStringLiteral("--save-with-fault"), file(QStringLiteral("Trip.vv1")),
                  QString::number(int(step)), QString::number(int(fault))},
                 0, fault == Fault::Kill);

        startEditor();
        m_window->OpenProjectFile(file(QStringLiteral("Trip.vv1")));
        for (int pane = 1; pane <= 4; ++pane) {
            // The newer save swapped panes 1 and 2, 3 and 4.
            const int shown = newer ? pane + (pane % 2 ? 1 : -1) : pane;
            const PaneRecord& record = m_window->project().Panes[pane];
            QCOMPARE(record.Text, QString::number(shown));
            QCOMPARE(centre(record.WorkPicture), kColours[shown - 1]);
        }
        QVERIFY(notes.exists());
        // The open finishes what the cut-off save left.
        QVERIFY(QFileInfo(file(QStringLiteral("Trip_Data/extra"))).isDir());
        QCOMPARE(entries(QString(), ".saving-*"), QStringList());
        // The next save clears away whatever the cut-off one left.
        saveAs(*m_platform, *m_window, file(QStringLiteral("Trip.vv1")));
        QCOMPARE(entries(QString(), ".saving-*"), QStringList());
        QCOMPARE(entries(QStringLiteral("Trip_Data"), ".saving-*"), QStringList());
    }

    void workLeftByAnEndedEditorIsOffered_data() {
        QTest::addColumn<int>("signalNumber");
        QTest::addColumn<platform::MessageAnswer>("answer");
        QTest::newRow("killed; Recover") << int(SIGKILL) << platform::MessageAnswer::Recover;
        QTest::newRow("killed; Later, Discard") << int(SIGKILL) << platform::MessageAnswer::Later;
        QTest::newRow("session ended; Recover") << int(SIGTERM) << platform::MessageAnswer::Recover;
    }
    void workLeftByAnEndedEditorIsOffered() {
        QFETCH(int, signalNumber);
        QFETCH(platform::MessageAnswer, answer);
        m_window.reset();
        runChild({QStringLiteral("--edit-and-wait"), m_shared->path(),
                  signalNumber == SIGKILL ? QStringLiteral("copy") : QStringLiteral("now")},
                 signalNumber, signalNumber == SIGKILL);
        const QStringList left = workFolders();
        QCOMPARE(left.size(), 1);

        startEditor();
        offer(answer);
        const platform::MessageRequest& asked = m_platform->messages().last();
        QCOMPARE(asked.buttons, platform::MessageButtons::RecoverDiscardLater);
        for (const char* told : {"Trip.vv1", "1 board", "2 pictures"})
            QVERIFY2(asked.text.contains(QLatin1String(told)), qPrintable(asked.text));
        if (answer == platform::MessageAnswer::Later) {
            QVERIFY(m_window->history().isClean());
            startEditor();
            offer(platform::MessageAnswer::Discard);
            QVERIFY(!workFolders().contains(left.first()));
            return;
        }

        const ProjectRecord& project = m_window->project();
        QCOMPARE(project.Panes[2].Text, QStringLiteral("unsaved"));
        QCOMPARE(centre(project.Panes[1].WorkPicture), kColours[0]);
        QCOMPARE(centre(project.Panes[2].WorkPicture), kColours[1]);
        QVERIFY(!m_window->history().isClean());
        // Kept until the recovered project is saved, under the name it had.
        QVERIFY(workFolders().contains(left[0]));
        saveAs(*m_platform, *m_window, file(QStringLiteral("Trip.vv1")));
        QCOMPARE(m_platform->saveRequests().last().proposedName, QStringLiteral("Trip.vv1"));
        QCOMPARE(m_platform->saveRequests().last().startFolder, m_shared->path());
        QVERIFY(m_window->history().isClean());
        QVERIFY(!workFolders().contains(left[0]));
    }
};

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_FONT_DPI", "96");
    qputenv("QT_SCALE_FACTOR", "1");
    QLocale::setDefault(QLocale::c());
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 5 && arguments.at(1) == QStringLiteral("--save-with-fault"))
        return saveWithFault(arguments.at(2), arguments.at(3).toInt(),
                             Fault(arguments.at(4).toInt()));
    if (arguments.size() == 4 && arguments.at(1) == QStringLiteral("--edit-and-wait"))
        return editAndWait(arguments.at(2), arguments.at(3) == QStringLiteral("copy"));
    CrashesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_crashes.moc"
