#include "editor/model/stage/projectthumbnail.h"
#include "editor/ui/frmmain.h"
#include "platform/commandline.h"
#include "platform/qtplatform.h"
#include "platform/terminationsignals.h"
#include "platform/translations.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    platform::CommandLine commandLine(
        {QStringLiteral("VV1_2002"), QStringLiteral("example.quorvane.Vistavel"),
         QStringLiteral("Vistavel, the board editor: pictures and words, board by board."),
         QStringLiteral("[project.vv1]"), QStringLiteral("A project to open."),
         QCoreApplication::translate("main", "Writes board 1 of the project INPUT as a PNG file "
                                             "OUTPUT of at most SIZE pixels, for file managers.")});
    if (const auto status = commandLine.answerBeforeApplication(argc, argv))
        return *status;
    if (const platform::ThumbnailRequest& thumbnail = commandLine.thumbnail(); thumbnail.size > 0) {
        // File managers ask for it with no display.
        QCoreApplication app(argc, argv);
        QString error;
        if (editor::writeProjectThumbnail(thumbnail.input, thumbnail.output, thumbnail.size,
                                          &error))
            return 0;
        std::fputs(qPrintable(QStringLiteral("VV1_2002: %1\n").arg(error)), stderr);
        return 1;
    }
    QApplication app(argc, argv);
    if (const auto status = commandLine.answerWithApplication())
        return *status;
    const platform::Translations translations(
        QStringLiteral("vv1_2002"),
        platform::desktopLanguages(QProcessEnvironment::systemEnvironment()));
    platform::TerminationSignals endRequests;
    platform::QtPlatform desktop;
    editor::frmMain window(desktop);
    if (!window.startedUp())
        return 1;
    // Ending the session, closing the terminal or Ctrl+C ends the editor without a
    // question; unsaved changes are kept for the next start.
    QObject::connect(&endRequests, &platform::TerminationSignals::received, &window,
                     &editor::frmMain::EndSession);
    window.showMaximized();
    window.OfferRecoveries();
    if (!endRequests.hasReceived() && !commandLine.file().isEmpty())
        window.OpenProjectFile(commandLine.file());
    // A request that came before the event loop ran found none to end.
    if (endRequests.hasReceived()) {
        window.EndSession();
        return 0;
    }
    return app.exec();
}
