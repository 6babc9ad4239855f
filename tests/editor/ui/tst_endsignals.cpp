#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <unistd.h>

// The editor as a user's desktop runs it: its own process, its own program folder.
class EndSignalsTest : public QObject {
    Q_OBJECT
private:
    // The editor's program file in a fresh folder of its own, so its work folder
    // lands beside it; a hard link where the file system allows one.
    static bool placeEditor(const QString& copy) {
        const QByteArray from = QFile::encodeName(QStringLiteral(EDITOR_EXECUTABLE));
        return ::link(from.constData(), QFile::encodeName(copy).constData()) == 0 ||
               QFile::copy(QStringLiteral(EDITOR_EXECUTABLE), copy);
    }
    static QStringList workFolders(const QString& programFolder) {
        return QDir(programFolder + QStringLiteral("/MyProjects"))
            .entryList({QStringLiteral("run-*")}, QDir::Dirs | QDir::NoDotAndDotDot);
    }

private Q_SLOTS:
    void endingSignalsRemoveTheWorkFolder_data() {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM, the session ends") << int(SIGTERM);
        QTest::newRow("SIGHUP, the terminal closes") << int(SIGHUP);
        QTest::newRow("SIGINT, Ctrl+C") << int(SIGINT);
    }
    void endingSignalsRemoveTheWorkFolder() {
        QFETCH(int, signalNumber);
        // Beside the built tests, so the hard link stays on one file system.
        QTemporaryDir folder(QCoreApplication::applicationDirPath() +
                             QStringLiteral("/endsignals-XXXXXX"));
        QVERIFY(folder.isValid());
        const QString editor = folder.filePath(QStringLiteral("VV1_2002"));
        QVERIFY(placeEditor(editor));
        QFile unrelated(folder.filePath(QStringLiteral("Notes.txt")));
        QVERIFY(unrelated.open(QIODevice::WriteOnly));
        unrelated.write("kept");
        unrelated.close();

        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_CACHE_HOME"),
                           folder.filePath(QStringLiteral("cache")));
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(editor, {});
        QVERIFY(process.waitForStarted());
        // Its work folder is made after the signals are caught.
        QTRY_VERIFY_WITH_TIMEOUT(!workFolders(folder.path()).isEmpty(), 60000);
        QCOMPARE(::kill(pid_t(process.processId()), signalNumber), 0);
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(workFolders(folder.path()), QStringList());
        QVERIFY(!QFileInfo::exists(folder.filePath(QStringLiteral("MyProjects"))));
        QVERIFY(QFileInfo::exists(unrelated.fileName()));
    }
};

VV_TEST_MAIN(EndSignalsTest)
#include "tst_endsignals.moc"
