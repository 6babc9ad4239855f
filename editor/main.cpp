#include "editor/ui/frmmain.h"
#include "platform/commandline.h"
#include "platform/qtplatform.h"
#include "platform/terminationsignals.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    platform::CommandLine commandLine(
        {QStringLiteral("VV1_2002"), QStringLiteral("example.quorvane.Vistavel"),
         QStringLiteral("Vistavel, the board editor: pictures and words, board by board."),
         QStringLiteral("[project.vv1]"), QStringLiteral("A project to open.")});
    if (const auto status = commandLine.answerBeforeApplication(argc, argv))
        return *status;
    QApplication app(argc, argv);
    if (const auto status = commandLine.answerWithApplication())
        return *status;
    // Ending the session, closing the terminal or Ctrl+C ends the editor as Exit
    // does. exit() rather than quit(), which does nothing before app.exec(): a
    // message box about the project named on the command line runs an event loop
    // of its own, and that loop must end too.
    platform::TerminationSignals endRequests;
    QObject::connect(&endRequests, &platform::TerminationSignals::received, &app,
                     [] { QCoreApplication::exit(0); });
    platform::QtPlatform desktop;
    editor::frmMain window(desktop);
    if (!window.startedUp())
        return 1;
    window.showMaximized();
    if (!commandLine.file().isEmpty())
        window.OpenProjectFile(commandLine.file());
    // A request that came while the project opened found no event loop to end.
    return endRequests.hasReceived() ? 0 : app.exec();
}
