#include "editor/ui/frmmain.h"
#include "platform/qtplatform.h"
#include "platform/terminationsignals.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Ending the session, closing the terminal or Ctrl+C ends the editor as Exit does.
    platform::TerminationSignals endRequests;
    QObject::connect(&endRequests, &platform::TerminationSignals::received, &app,
                     &QCoreApplication::quit);
    platform::QtPlatform desktop;
    editor::frmMain window(desktop);
    if (!window.startedUp())
        return 1;
    window.showMaximized();
    return app.exec();
}
