#include "testmain.h"
#include "testpictures.h"

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QTemporaryDir>

namespace {

const QStringList kIds = {"example.quorvane.Vistavel", "example.quorvane.Tellwick"};

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run run(const QString& program, const QStringList& arguments,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Run result;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        result.err = program + QStringLiteral(": ") + process.errorString();
        return result;
    }
    result.exitCode = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

} // namespace

class InstallTest : public QObject {
    Q_OBJECT
private:
    QString installed(const QString& path) const { return m_prefix.filePath(path); }

    QTemporaryDir m_prefix;
    QTemporaryDir m_home;

private Q_SLOTS:
    void initTestCase() {
        const Run install = run(QStringLiteral(CMAKE_COMMAND),
                                {"--install", BUILD_DIR, "--prefix", m_prefix.path()});
        QVERIFY2(install.exitCode == 0, qPrintable(install.err));
        // The file types, as a desktop finds them once the package is installed.
        qputenv("XDG_DATA_DIRS", installed("share").toLocal8Bit());
        const Run mime = run(QStringLiteral("update-mime-database"), {installed("share/mime")});
        QVERIFY2(mime.exitCode == 0 && mime.err.isEmpty(), qPrintable(mime.err));
    }

    void installsTheProgramsAndTheirIcons() {
        QVERIFY(QFileInfo(installed("bin/VV1_2002")).isExecutable());
        QVERIFY(QFileInfo(installed("bin/TwK")).isExecutable());
        QVERIFY(QFileInfo::exists(installed("share/man/man1/VV1_2002.1.gz")));
        // The German manual pages and both programs' translations.
        for (const char* file : {"share/man/de/man1/VV1_2002.1.gz", "share/man/de/man1/TwK.1.gz"})
            QVERIFY2(QFileInfo::exists(installed(file)), file);
        for (const char* language : {"de", "fr", "es"})
            for (const char* catalog : {"vv1_2002", "twk"}) {
                const QString file = QStringLiteral("share/vistavel/translations/%1_%2.qm")
                                         .arg(QLatin1String(catalog), QLatin1String(language));
                QVERIFY2(QFileInfo::exists(installed(file)), qPrintable(file));
            }
        QVERIFY(QFileInfo::exists(installed("share/doc/vistavel/copyright")));
        QFile guide(installed("share/doc/vistavel/guide.html"));
        QVERIFY(guide.open(QIODevice::ReadOnly));
        QVERIFY(guide.readAll().contains("First storyboard"));
        QVERIFY(QFileInfo::exists(installed("share/doc/vistavel/paper.png")));
        for (const QString& id : kIds) {
            QVERIFY(
                QFileInfo::exists(installed("share/icons/hicolor/scalable/apps/" + id + ".svg")));
            for (int size : {16, 32, 48, 64, 128, 256}) {
                const QString png =
                    installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/").arg(size) + id +
                              QStringLiteral(".png"));
                QCOMPARE(QImage(png).size(), QSize(size, size));
            }
        }
    }

    void entriesAndMetainfoValidate_data() {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("arguments");
        for (const QString& id : kIds) {
            QTest::newRow(qPrintable(id + ".desktop"))
                << "desktop-file-validate"
                << QStringList{installed("share/applications/" + id + ".desktop")};
            QTest::newRow(qPrintable(id + ".metainfo.xml"))
                << "appstreamcli"
                << QStringList{"validate", "--no-net", "--pedantic",
                               installed("share/metainfo/" + id + ".metainfo.xml")};
        }
        // Across files: each metainfo's desktop entry and icon are where it says.
        QTest::newRow("the whole tree")
            << "appstreamcli" << QStringList{"validate-tree", "--no-net", m_prefix.path()};
    }
    void entriesAndMetainfoValidate() {
        QFETCH(QString, tool);
        QFETCH(QStringList, arguments);
        const Run check = run(tool, arguments);
        QVERIFY2(check.exitCode == 0, qPrintable(check.out + check.err));
        // desktop-file-validate says nothing about a good entry, not even a hint.
        if (tool == QLatin1String("desktop-file-validate"))
            QVERIFY2(check.out.isEmpty() && check.err.isEmpty(), qPrintable(check.out + check.err));
    }

    void filesAreKnownByTheirExtension_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("type");
        QTest::newRow("project") << "Trip.vv1"
                                 << "application/x-vistavel-project";
        QTest::newRow("project, upper case") << "TRIP.VV1"
                                             << "application/x-vistavel-project";
        QTest::newRow("definitions") << "words.TwK"
                                     << "application/x-tellwick-definitions";
        QTest::newRow("definitions, lower case") << "words.twk"
                                                 << "application/x-tellwick-definitions";
    }
    void filesAreKnownByTheirExtension() {
        QFETCH(QString, fileName);
        QFETCH(QString, type);
        const QMimeType found =
            QMimeDatabase().mimeTypeForFile(fileName, QMimeDatabase::MatchExtension);
        QCOMPARE(found.name(), type);
        QVERIFY(found.inherits(QStringLiteral("text/plain")));
    }

    // --help and --version answer in a terminal with no desktop session at all; the
    // refusals come as one line on standard error with status 2.
    void commandLineWithoutADisplay_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("editor version")
            << "VV1_2002" << QStringList{"--version"} << 0 << "VV1_2002 " STORYBOARDS_VERSION "\n"
            << "";
        QTest::newRow("TwK version")
            << "TwK" << QStringList{"-v"} << 0 << "TwK " STORYBOARDS_VERSION "\n"
            << "";
        QTest::newRow("two projects")
            << "VV1_2002" << QStringList{"A.vv1", "B.vv1"} << 2 << ""
            << "VV1_2002: Only one file can be opened at a time. Try 'VV1_2002 --help'.\n";
        QTest::newRow("editor, unknown option")
            << "VV1_2002" << QStringList{"--bogus"} << 2 << ""
            << "VV1_2002: Unknown option 'bogus'. Try 'VV1_2002 --help'.\n";
        QTest::newRow("TwK, letters run together")
            << "TwK" << QStringList{"-hv"} << 2 << ""
            << "TwK: Unknown option 'hv'. Try 'TwK --help'.\n";
    }
    void commandLineWithoutADisplay() {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QLatin1String(name));
        const Run answer = run(installed("bin/" + program), arguments, environment);
        QCOMPARE(answer.exitCode, exitCode);
        QCOMPARE(answer.out, out);
        QCOMPARE(answer.err, err);
    }

    // An unknown option is told apart from Qt's own once Qt has looked at it.
    void unknownOptionIsRefused() {
        const Run refused = run(installed("bin/TwK"), {"-platform", "offscreen", "--bogus"});
        QCOMPARE(refused.exitCode, 2);
        QVERIFY2(refused.err.endsWith(
                     QStringLiteral("TwK: Unknown option 'bogus'. Try 'TwK --help'.\n")),
                 qPrintable(refused.err));
    }

    // File managers find the thumbnailer where freedesktop.org puts them and run its
    // command, with no display.
    void thumbnailerDrawsAProjectWithoutADisplay() {
        QFile entry(installed("share/thumbnailers/example.quorvane.Vistavel.thumbnailer"));
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(entry.readAll());
        QVERIFY(text.contains("MimeType=application/x-vistavel-project;"));
        const qsizetype exec = text.indexOf("\nExec=") + 1;
        QVERIFY(exec > 0);
        QStringList command =
            text.mid(exec + 5, text.indexOf('\n', exec) - exec - 5).split(' ', Qt::SkipEmptyParts);
        QTemporaryDir projects;
        QVERIFY(QFile::copy(QStringLiteral(TEST_DATA_DIR "/projectfile/minimal.vv1"),
                            projects.filePath("Trip.vv1")));
        QVERIFY(QDir(projects.path()).mkdir("Trip_Data"));
        QVERIFY(
            testsupport::quadrants(80, 80).save(projects.filePath("Trip_Data/Image01-0001.bmp")));
        command.replaceInStrings("%i", projects.filePath("Trip.vv1"));
        command.replaceInStrings("%o", projects.filePath("Trip.png"));
        command.replaceInStrings("%s", "128");
        QCOMPARE(command.takeFirst(), QStringLiteral("VV1_2002"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QLatin1String(name));
        const Run thumbnail = run(installed("bin/VV1_2002"), command, environment);
        QVERIFY2(thumbnail.exitCode == 0, qPrintable(thumbnail.err));
        const QImage drawn(projects.filePath("Trip.png"), "PNG");
        QCOMPARE(drawn.size(), QSize(128, 128));
        QCOMPARE(drawn.pixel(8, 8), testsupport::kRed);
    }

    // The installed editor opens the project it is given, preparing its pictures in the
    // user's cache folder, never beside itself.
    void installedEditorOpensTheProjectGiven() {
        QTemporaryDir projects;
        QVERIFY(QFile::copy(QStringLiteral(TEST_DATA_DIR "/projectfile/minimal.vv1"),
                            projects.filePath("Trip.vv1")));
        QVERIFY(QDir(projects.path()).mkdir("Trip_Data"));
        QVERIFY(
            testsupport::quadrants(80, 80).save(projects.filePath("Trip_Data/Image01-0001.bmp")));

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CACHE_HOME", m_home.filePath("cache"));
        // The recent projects it remembers go there too, not into the user's own lists.
        environment.insert("XDG_CONFIG_HOME", m_home.filePath("config"));
        environment.insert("XDG_DATA_HOME", m_home.filePath("data"));
        QProcess editor;
        editor.setProcessEnvironment(environment);
        editor.setWorkingDirectory(projects.path());
        editor.start(installed("bin/VV1_2002"), {"-platform", "offscreen", "Trip.vv1"});
        QVERIFY(editor.waitForStarted());
        const QDir work(m_home.filePath("cache/VV1_2002/MyProjects"));
        const auto bitmaps = [&] {
            QStringList found;
            for (const QString& run : work.entryList({"run-*"}, QDir::Dirs))
                for (const QString& name :
                     QDir(work.filePath(run)).entryList({"*.bmp"}, QDir::Files))
                    found << work.filePath(run + '/' + name);
            return found;
        };
        QTRY_COMPARE_WITH_TIMEOUT(bitmaps().size(), 1, 60000);
        const QImage prepared(bitmaps().constFirst());
        QCOMPARE(prepared.pixel(prepared.width() / 4, prepared.height() / 4), testsupport::kRed);
        QCOMPARE(editor.state(), QProcess::Running);
        QVERIFY(!QFileInfo::exists(installed("bin/MyProjects")));
        QTRY_VERIFY(QFileInfo::exists(m_home.filePath("data/recently-used.xbel")));
        editor.terminate();
        if (!editor.waitForFinished(10000))
            editor.kill();
        editor.waitForFinished();
    }
};

VV_TEST_MAIN(InstallTest)
#include "tst_install.moc"
