#include "platform/commandline.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>

#include <cstdio>

namespace platform {
namespace {

// The options Qt's application objects (and their X11 and Wayland back ends) take
// out of the command line, with those that take the next word as their value.
// Generous on purpose: an option named here is only left to Qt to judge.
const QStringList kQtOptionsWithValue = {QStringLiteral("platform"),
                                         QStringLiteral("platformpluginpath"),
                                         QStringLiteral("platformtheme"),
                                         QStringLiteral("plugin"),
                                         QStringLiteral("qwindowgeometry"),
                                         QStringLiteral("geometry"),
                                         QStringLiteral("qwindowtitle"),
                                         QStringLiteral("title"),
                                         QStringLiteral("qwindowicon"),
                                         QStringLiteral("icon"),
                                         QStringLiteral("session"),
                                         QStringLiteral("display"),
                                         QStringLiteral("style"),
                                         QStringLiteral("stylesheet"),
                                         QStringLiteral("name"),
                                         QStringLiteral("visual"),
                                         QStringLiteral("qmljsdebugger")};
const QStringList kQtFlags = {QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                              QStringLiteral("nograb"),  QStringLiteral("dograb"),
                              QStringLiteral("sync"),    QStringLiteral("testability")};

// `arguments` without the options Qt may take, as far as it can be told
// without an application object.
QStringList withoutQtOptions(const QStringList& arguments) {
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (i == 0 || !argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("--")) {
            rest << argument;
            if (argument == QLatin1String("--") && i > 0) {
                rest << arguments.mid(i + 1);
                break;
            }
            continue;
        }
        QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        if (equals >= 0) {
            if (!kQtOptionsWithValue.contains(name.left(equals)))
                rest << argument;
            continue;
        }
        if (kQtOptionsWithValue.contains(name))
            ++i;
        else if (!kQtFlags.contains(name))
            rest << argument;
    }
    return rest;
}

} // namespace

CommandLine::CommandLine(const ProgramIdentity& identity)
    : m_identity(identity), m_help({QStringLiteral("h"), QStringLiteral("help")},
                                   QStringLiteral("Displays help on commandline options.")),
      m_thumbnail(QStringLiteral("thumbnail"), identity.thumbnailHelp) {
    QCoreApplication::setApplicationName(identity.name);
    QCoreApplication::setApplicationVersion(QStringLiteral(STORYBOARDS_VERSION));
    QGuiApplication::setDesktopFileName(identity.desktopId);

    m_parser.setApplicationDescription(identity.description);
    // "-platform" is one option, not the letters p, l, a ...
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addOption(m_help);
    m_parser.addVersionOption();
    if (!identity.thumbnailHelp.isEmpty())
        m_parser.addOption(m_thumbnail);
    m_parser.addPositionalArgument(QStringLiteral("file"), identity.fileHelp, identity.fileSyntax);
}

CommandLine::Action CommandLine::parse(const QStringList& arguments, bool qtOptionsRemoved) {
    m_file.clear();
    m_refusal.clear();
    m_thumbnailRequest = {};
    const QStringList ours = qtOptionsRemoved ? arguments : withoutQtOptions(arguments);
    const bool parsed = m_parser.parse(ours);
    if (m_parser.isSet(m_help))
        return Action::ShowHelp;
    if (m_parser.isSet(QStringLiteral("version")))
        return Action::ShowVersion;
    const auto refuse = [this](const QString& reason) {
        m_refusal = QStringLiteral("%1: %2 Try '%1 --help'.").arg(m_identity.name, reason);
        return Action::Refuse;
    };
    if (!parsed)
        return refuse(m_parser.errorText());
    const QStringList files = m_parser.positionalArguments();
    if (!m_identity.thumbnailHelp.isEmpty() && m_parser.isSet(m_thumbnail)) {
        bool number = false;
        const int size = files.size() == 3 ? files.at(2).toInt(&number) : 0;
        if (!number || size < 1 || size > ThumbnailRequest::kLargest || files.at(0).isEmpty() ||
            files.at(1).isEmpty())
            return refuse(QStringLiteral("--thumbnail needs INPUT OUTPUT SIZE, a size of 1 to "
                                         "%1 pixels.")
                              .arg(ThumbnailRequest::kLargest));
        m_thumbnailRequest = {QFileInfo(files.at(0)).absoluteFilePath(),
                              QFileInfo(files.at(1)).absoluteFilePath(), size};
        return Action::MakeThumbnail;
    }
    if (files.size() > 1)
        return refuse(QStringLiteral("Only one file can be opened at a time."));
    if (files.size() == 1 && files.constFirst().isEmpty())
        return refuse(QStringLiteral("The file name is empty."));
    // Qt's own options are Qt's to judge, and may hide a file name.
    if (ours.size() != arguments.size())
        return Action::Undecided;
    if (!files.isEmpty())
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
    if (action == Action::Run || action == Action::Undecided || action == Action::MakeThumbnail)
        return std::nullopt;
    // Needs no display; it gives the help's usage line the program's path.
    QCoreApplication core(argc, argv);
    return answer(action);
}

std::optional<int> CommandLine::answerWithApplication() {
    QGuiApplication::setWindowIcon(QIcon::fromTheme(m_identity.desktopId));
    const Action action = parse(QCoreApplication::arguments(), true);
    if (action == Action::Run || action == Action::MakeThumbnail)
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
