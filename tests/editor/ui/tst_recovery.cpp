#include "editor/model/recoverycopy.h"
#include "editor/ui/frmmain.h"
#include "editortesting.h"
#include "fakeplatform.h"
#include "platform/terminationsignals.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoCommand>

#include <csignal>
#include <cstdio>

using namespace editor;

// An editor ended with unsaved changes (killed, or by the end of the session),
// and the next editor's offer of what it left, through the real window.

namespace {

const QRgb kRed = qRgb(255, 0, 0), kBlue = qRgb(0, 0, 255);
const QString kRecover = QStringLiteral("Vistavel : Recover");

// A change the history records. The change is made to the record directly and
// the step pushed as it stands, so the history marks the project changed.
void changeText(frmMain& window, int pane, const QString& text) {
    window.project().Panes[pane].Text = text;
    window.history().push(new QUndoCommand(QStringLiteral("Text")));
}

// Run as a child: the editor of a saved project of two pictures, changed once,
// in `programFolder`. With `waitForCopy` it reports "ready" once the change is
// kept in its recovery copy; otherwise at once. It then runs until ended, the
// ending signals wired as the program wires them.
int editAndWait(const QString& programFolder, bool waitForCopy) {
    testsupport::FakePlatform platform;
    platform.setProgramFolder(programFolder);
    frmMain window(platform);
    platform::TerminationSignals endRequests;
    QObject::connect(&endRequests, &platform::TerminationSignals::received, &window,
                     &frmMain::KeepUnsavedWork);
    QObject::connect(&endRequests, &platform::TerminationSignals::received, qApp,
                     &QCoreApplication::quit);
    const QString in = QDir(programFolder).filePath(QStringLiteral("in"));
    testsupport::givePicture(window, 1, testsupport::filledPicture(kRed), in + "/Red.bmp");
    testsupport::givePicture(window, 2, testsupport::filledPicture(kBlue), in + "/Blue.bmp");
    window.project().Panes[1].Text = QStringLiteral("saved");
    platform.answerSave(QDir(programFolder).filePath(QStringLiteral("Trip.vv1")));
    window.findChild<QAction*>(QStringLiteral("mnu_SaveAs"))->trigger();
    changeText(window, 2, QStringLiteral("unsaved"));
    if (waitForCopy) {
        QElapsedTimer waited;
        waited.start();
        while (!holdsRecoveryCopy(window.workFolder().path()) && waited.elapsed() < 60000)
            QTest::qWait(50);
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

} // namespace

class RecoveryTest : public QObject, protected testsupport::EditorWindowFixture {
    Q_OBJECT
private:
    // Shared by the editors one after the other, as a program's folder is.
    std::unique_ptr<QTemporaryDir> m_shared;
    QString m_programFolder;

    QStringList workFolders() const {
        return QDir(m_programFolder + QStringLiteral("/MyProjects"))
            .entryList({QStringLiteral("run-*")}, QDir::Dirs | QDir::NoDotAndDotDot);
    }
    // A fresh editor over the shared program folder.
    void startEditor() {
        m_window.reset();
        m_platform = std::make_unique<testsupport::FakePlatform>();
        m_platform->setProgramFolder(m_programFolder);
        m_window = std::make_unique<frmMain>(*m_platform);
    }
    void endEditorThatChanged(int signalNumber) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--edit-and-wait"), m_programFolder,
                     signalNumber == SIGKILL ? QStringLiteral("copy") : QStringLiteral("now")});
        QVERIFY(child.waitForStarted());
        QByteArray output;
        QTRY_VERIFY_WITH_TIMEOUT((output += child.readAllStandardOutput()).contains("ready") ||
                                     child.state() != QProcess::Running,
                                 90000);
        QCOMPARE(child.state(), QProcess::Running);
        QCOMPARE(::kill(pid_t(child.processId()), signalNumber), 0);
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(),
                 signalNumber == SIGKILL ? QProcess::CrashExit : QProcess::NormalExit);
        QCOMPARE(workFolders().size(), 1);
    }

private Q_SLOTS:
    void init() {
        openWindow();
        m_shared = std::make_unique<QTemporaryDir>();
        m_programFolder = m_shared->path();
    }
    void cleanup() {
        closeWindow();
        m_shared.reset();
    }

    void workLeftByAnEndedEditorIsOffered_data() {
        QTest::addColumn<int>("signalNumber");
        QTest::addColumn<int>("answer");
        QTest::newRow("killed; Recover") << int(SIGKILL) << int(platform::MessageAnswer::Recover);
        QTest::newRow("killed; Later, then Discard at the next start")
            << int(SIGKILL) << int(platform::MessageAnswer::Later);
        QTest::newRow("the session ended; Recover")
            << int(SIGTERM) << int(platform::MessageAnswer::Recover);
    }
    void workLeftByAnEndedEditorIsOffered() {
        QFETCH(int, signalNumber);
        QFETCH(int, answer);
        endEditorThatChanged(signalNumber);
        const QString left = workFolders().first();

        startEditor();
        m_platform->expectMessage(kRecover, platform::MessageAnswer(answer));
        m_window->OfferRecoveries();
        QVERIFY2(m_platform->problems().isEmpty(), qPrintable(m_platform->problems().join(u'\n')));
        const QString offer = m_platform->messages().last().text;
        QVERIFY2(offer.contains(QStringLiteral("Trip.vv1")) &&
                     offer.contains(QStringLiteral("1 board")) &&
                     offer.contains(QStringLiteral("2 pictures")),
                 qPrintable(offer));
        QCOMPARE(m_platform->messages().last().buttons,
                 platform::MessageButtons::RecoverDiscardLater);

        if (platform::MessageAnswer(answer) == platform::MessageAnswer::Later) {
            QCOMPARE(m_window->project().Panes[2].Text, QStringLiteral("ToUse"));
            QVERIFY(m_window->history().isClean());
            startEditor();
            m_platform->expectMessage(kRecover, platform::MessageAnswer::Discard);
            m_window->OfferRecoveries();
            QVERIFY2(m_platform->problems().isEmpty(),
                     qPrintable(m_platform->problems().join(u'\n')));
            QVERIFY(!workFolders().contains(left));
            return;
        }

        const ProjectRecord& project = m_window->project();
        QCOMPARE(project.Panes[1].Text, QStringLiteral("saved"));
        QCOMPARE(project.Panes[2].Text, QStringLiteral("unsaved"));
        for (const auto& [pane, colour] : {std::pair{1, kRed}, std::pair{2, kBlue}}) {
            const QImage bitmap(project.Panes[pane].WorkPicture);
            QCOMPARE(bitmap.pixel(bitmap.width() / 2, bitmap.height() / 2), colour);
        }
        QVERIFY(!m_window->history().isClean());
        // Kept until the recovered project is saved, under the name it had.
        QVERIFY(workFolders().contains(left));
        const QString trip = m_programFolder + QStringLiteral("/Trip.vv1");
        m_platform->answerSave(trip);
        m_window->findChild<QAction*>(QStringLiteral("mnu_SaveAs"))->trigger();
        QCOMPARE(m_platform->saveRequests().last().proposedName, trip);
        QVERIFY(m_window->history().isClean());
        QVERIFY(!workFolders().contains(left));
        QCOMPARE(m_platform->messages().size(), 1);

        startEditor();
        m_window->OpenProjectFile(trip);
        QCOMPARE(m_window->project().Panes[2].Text, QStringLiteral("unsaved"));
        m_window->OfferRecoveries();
        QVERIFY(m_platform->messages().isEmpty());
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
    if (arguments.size() == 4 && arguments.at(1) == QStringLiteral("--edit-and-wait"))
        return editAndWait(arguments.at(2), arguments.at(3) == QStringLiteral("copy"));
    RecoveryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recovery.moc"
