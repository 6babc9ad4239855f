#include "platform/commandline.h"
#include "platform/qtplatform.h"
#include "platform/translations.h"
#include "sentences/ui/frmmain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    platform::CommandLine commandLine(
        {QStringLiteral("TwK"), QStringLiteral("example.quorvane.Tellwick"),
         QStringLiteral("Tellwick, the sentence generator: quick sentences from seven word lists."),
         QStringLiteral("[words.TwK]"), QStringLiteral("A definitions file to load.")});
    if (const auto status = commandLine.answerBeforeApplication(argc, argv))
        return *status;
    QApplication app(argc, argv);
    if (const auto status = commandLine.answerWithApplication())
        return *status;
    const platform::Translations translations(
        QStringLiteral("twk"),
        platform::desktopLanguages(QProcessEnvironment::systemEnvironment()));
    platform::QtPlatform desktop;
    sentences::frmMain window(desktop);
    window.show();
    if (!commandLine.file().isEmpty())
        window.LoadDefinitionsFile(commandLine.file());
    return app.exec();
}
