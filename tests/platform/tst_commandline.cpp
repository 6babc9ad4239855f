#include "platform/commandline.h"
#include "testmain.h"

#include <QDir>

using platform::CommandLine;
using Action = CommandLine::Action;

Q_DECLARE_METATYPE(CommandLine::Action)

namespace {

platform::ProgramIdentity editorIdentity() {
    return {QStringLiteral("VV1_2002"),           QStringLiteral("example.quorvane.Vistavel"),
            QStringLiteral("The board editor."),  QStringLiteral("[project.vv1]"),
            QStringLiteral("A project to open."), QStringLiteral("Draws a thumbnail.")};
}

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Without `qtOptionsRemoved` the command line is as the program received it,
    // before the application object took Qt's own options out of it.
    void answers_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("qtOptionsRemoved");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("refusal");

        const QString unknown =
            QStringLiteral("VV1_2002: Unknown option 'bogus'. Try 'VV1_2002 --help'.");
        const QString twoFiles = QStringLiteral(
            "VV1_2002: Only one file can be opened at a time. Try 'VV1_2002 --help'.");
        const QString here = QDir::currentPath() + QLatin1Char('/');
        QTest::newRow("nothing") << QStringList() << false << Action::Run << ""
                                 << "";
        QTest::newRow("a file, relative")
            << QStringList{"Trip.vv1"} << false << Action::Run << here + "Trip.vv1"
            << "";
        QTest::newRow("a file, absolute, with blanks and accents")
            << QStringList{"/tmp/Mes projets/Été.vv1"} << true << Action::Run
            << "/tmp/Mes projets/Été.vv1"
            << "";
        QTest::newRow("a file that starts with a dash, after --")
            << QStringList{"--", "-draft.vv1"} << false << Action::Run << here + "-draft.vv1"
            << "";
        QTest::newRow("--help") << QStringList{"--help"} << false << Action::ShowHelp << ""
                                << "";
        QTest::newRow("-h") << QStringList{"-h"} << true << Action::ShowHelp << ""
                            << "";
        QTest::newRow("--version") << QStringList{"--version"} << false << Action::ShowVersion << ""
                                   << "";
        QTest::newRow("-v beside Qt's options")
            << QStringList{"-platform", "offscreen", "-v"} << false << Action::ShowVersion << ""
            << "";
        QTest::newRow("Qt's options, before Qt took them")
            << QStringList{"-platform", "offscreen", "Trip.vv1"} << false << Action::Undecided << ""
            << "";
        QTest::newRow("unknown option, not one of Qt's, before Qt looked at it")
            << QStringList{"--bogus"} << false << Action::Refuse << "" << unknown;
        QTest::newRow("unknown option beside Qt's, before Qt looked at it")
            << QStringList{"-style=fusion", "--platform", "xcb", "-reverse", "-bogus"} << false
            << Action::Refuse << "" << unknown;
        QTest::newRow("Qt's options in every spelling, before Qt took them")
            << QStringList{"-style=fusion", "--platform", "xcb", "-reverse", "Trip.vv1"} << false
            << Action::Undecided << ""
            << "";
        QTest::newRow("a thumbnail") << QStringList{"--thumbnail", "Trip.vv1", "out.png", "256"}
                                     << false << Action::MakeThumbnail << ""
                                     << "";
        const QString thumbnail = QStringLiteral(
            "VV1_2002: --thumbnail needs INPUT OUTPUT SIZE, a size of 1 to 1024 pixels. Try "
            "'VV1_2002 --help'.");
        QTest::newRow("a thumbnail without its size")
            << QStringList{"--thumbnail", "Trip.vv1", "out.png"} << false << Action::Refuse << ""
            << thumbnail;
        QTest::newRow("a thumbnail too large")
            << QStringList{"--thumbnail", "Trip.vv1", "out.png", "100000"} << true << Action::Refuse
            << "" << thumbnail;
        QTest::newRow("unknown option")
            << QStringList{"--bogus", "Trip.vv1"} << true << Action::Refuse << "" << unknown;
        QTest::newRow("unknown single-dash word")
            << QStringList{"-bogus"} << true << Action::Refuse << "" << unknown;
        QTest::newRow("help with Qt's options is not offered")
            << QStringList{"--help-all"} << true << Action::Refuse << ""
            << "VV1_2002: Unknown option 'help-all'. Try 'VV1_2002 --help'.";
        QTest::newRow("two files need no application to refuse")
            << QStringList{"A.vv1", "B.vv1"} << false << Action::Refuse << "" << twoFiles;
        QTest::newRow("two files")
            << QStringList{"A.vv1", "B.vv1"} << true << Action::Refuse << "" << twoFiles;
        QTest::newRow("an empty file name")
            << QStringList{""} << true << Action::Refuse << ""
            << "VV1_2002: The file name is empty. Try 'VV1_2002 --help'.";
    }
    void answers() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, qtOptionsRemoved);
        QFETCH(Action, action);
        QFETCH(QString, file);
        QFETCH(QString, refusal);
        CommandLine commandLine(editorIdentity());
        arguments.prepend(QStringLiteral("VV1_2002"));
        QCOMPARE(commandLine.parse(arguments, qtOptionsRemoved), action);
        QCOMPARE(commandLine.file(), file);
        QCOMPARE(commandLine.refusal(), refusal);
        QVERIFY(!refusal.contains(QLatin1Char('\n')));
        if (action == Action::MakeThumbnail) {
            QCOMPARE(commandLine.thumbnail().input, QDir::current().filePath("Trip.vv1"));
            QCOMPARE(commandLine.thumbnail().output, QDir::current().filePath("out.png"));
            QCOMPARE(commandLine.thumbnail().size, 256);
        }
    }

    void helpAndVersionNameTheProgram() {
        const CommandLine commandLine(editorIdentity());
        const QString help = commandLine.helpText();
        QVERIFY2(help.contains(QStringLiteral("[options] [project.vv1]")), qPrintable(help));
        QVERIFY(help.contains(QStringLiteral("The board editor.")));
        QVERIFY(help.contains(QStringLiteral("A project to open.")));
        QVERIFY(help.contains(QStringLiteral("--version")));
        QCOMPARE(commandLine.versionText(), QStringLiteral("VV1_2002 " STORYBOARDS_VERSION));
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("example.quorvane.Vistavel"));
    }
};

VV_TEST_MAIN(CommandLineTest)
#include "tst_commandline.moc"
