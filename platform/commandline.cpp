#include "platform/commandline.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>

#include <cstdio>

namespace platform {

CommandLine::CommandLine(const ProgramIdentity& identity)
    : m_identity(identity), m_help({QStringLiteral("h"), QStringLiteral("help")},
                                   QStringLiteral("Displays help on commandline options.")) {
    QCoreApplication::setApplicationName(identity.name);
    QCoreApplication::setApplicationVersion(QStringLiteral(STORYBOARDS_VERSION));
    QGuiApplication::setDesktopFileName(identity.desktopId);

    m_parser.setApplicationDescription(identity.description);
    // "-platform" is one option, not the letters p, l, a ...
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addOption(m_help);
    m_parser.addVersionOption();
    m_parser.addPositionalArgument(QStringLiteral("file"), identity.fileHelp, identity.fileSyntax);
}

CommandLine::Action CommandLine::parse(const QStringList& arguments, bool qtOptionsRemoved) {
    m_file.clear();
    m_refusal.clear();
    const bool parsed = m_parser.parse(arguments);
    if (m_parser.isSet(m_help))
        return Action::ShowHelp;
    if (m_parser.isSet(QStringLiteral("version")))
        return Action::ShowVersion;
    const auto refuse = [this](const QString& reason) {
        m_refusal = QStringLiteral("%1: %2 Try '%1 --help'.").arg(m_identity.name, reason);
        return Action::Refuse;
    };
    if (!parsed) {
        // The unknown option, and the words after it, may be Qt's.
        if (!qtOptionsRemoved)
            return Action::Undecided;
        return refuse(m_parser.errorText());
    }
    const QStringList files = m_parser.positionalArguments();
    if (files.size() > 1)
        return refuse(QStringLiteral("Only one file can be opened at a time."));
    if (files.isEmpty())
        return Action::Run;
    if (files.constFirst().isEmpty())
        return refuse(QStringLiteral("The file name is empty."));
    m_file = QFileInfo(files.constFirst()).absoluteFilePath();
    return Action::Run;
}

QString CommandLine::versionText() const {
    return QCoreApplication::applicationName() + QLatin1Char(' ') +
           QCoreApplication::applicationVersion();
}

std::optional<int> CommandLine::answerBeforeApplication(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const Action action = parse(arguments, false);
    if (action == Action::Run || action == Action::Undecided)
        return std::nullopt;
    // Needs no display; it gives the help's usage line the program's path.
    QCoreApplication core(argc, argv);
    return answer(action);
}

std::optional<int> CommandLine::answerWithApplication() {
    QGuiApplication::setWindowIcon(QIcon::fromTheme(m_identity.desktopId));
    const Action action = parse(QCoreApplication::arguments(), true);
    if (action == Action::Run)
        return std::nullopt;
    return answer(action);
}

int CommandLine::answer(Action action) const {
    if (action == Action::ShowHelp) {
        std::fputs(qPrintable(helpText()), stdout);
        return 0;
    }
    if (action == Action::ShowVersion) {
        std::fputs(qPrintable(versionText() + QLatin1Char('\n')), stdout);
        return 0;
    }
    std::fputs(qPrintable(m_refusal + QLatin1Char('\n')), stderr);
    return 2;
}

} // namespace platform
