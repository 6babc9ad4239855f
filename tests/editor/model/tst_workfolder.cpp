#include "editor/model/storage/workfolder.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace editor;

class WorkFolderTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void livesInMyProjectsUnderTheProgram() {
        QTemporaryDir program;
        QString error;
        auto folder = WorkFolder::create(program.path(), QString(), &error);
        QVERIFY2(folder, qPrintable(error));
        QCOMPARE(QFileInfo(folder->path()).dir().dirName(), QStringLiteral("MyProjects"));
        QVERIFY(folder->path().startsWith(program.path()));
        QFile file(folder->filePath(QStringLiteral("Image01-0001.BMP")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        folder->remove();
        QVERIFY(!QFileInfo::exists(folder->path()));
        QVERIFY(!QFileInfo::exists(program.filePath(QStringLiteral("MyProjects"))));
    }

    void twoEditorsKeepTheirOwnFolders() {
        QTemporaryDir program;
        auto first = WorkFolder::create(program.path(), QString(), nullptr);
        auto second = WorkFolder::create(program.path(), QString(), nullptr);
        QVERIFY(first && second);
        QVERIFY(first->path() != second->path());
        QFile file(first->filePath(QStringLiteral("keep.BMP")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        // A third editor starting up must not take a live folder for an abandoned one.
        auto third = WorkFolder::create(program.path(), QString(), nullptr);
        QVERIFY(QFileInfo::exists(first->filePath(QStringLiteral("keep.BMP"))));
        second->remove();
        third->remove();
        QVERIFY(QFileInfo::exists(first->filePath(QStringLiteral("keep.BMP"))));
        QVERIFY(QFileInfo::exists(program.filePath(QStringLiteral("MyProjects"))));
        first.reset();
        QVERIFY(!QFileInfo::exists(program.filePath(QStringLiteral("MyProjects"))));
    }

    void foldersOfCrashedRunsAreRemovedAtStart() {
        QTemporaryDir program;
        const QString container = program.filePath(QStringLiteral("MyProjects"));
        const QString abandoned = container + QStringLiteral("/run-4242-abc");
        QVERIFY(QDir().mkpath(abandoned));
        QFile leftover(abandoned + QStringLiteral("/Image01-0001.BMP"));
        QVERIFY(leftover.open(QIODevice::WriteOnly));
        leftover.close();
        // Its lock names a process that no longer runs.
        QFile lock(abandoned + QStringLiteral(".lock"));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write("2147483000\nVV1_2002\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();
        // Files of the user's own in MyProjects are not the editor's to delete.
        QFile own(container + QStringLiteral("/notes.txt"));
        QVERIFY(own.open(QIODevice::WriteOnly));
        own.close();

        // Links to folders elsewhere, in the container or in a left folder, are
        // never followed: what they point at is not the editor's.
        QTemporaryDir elsewhere;
        QFile thesis(elsewhere.filePath(QStringLiteral("thesis.txt")));
        QVERIFY(thesis.open(QIODevice::WriteOnly));
        thesis.close();
        QVERIFY(QFile::link(elsewhere.path(), container + QStringLiteral("/run-1-link")));
        QVERIFY(QFile::link(elsewhere.path(), abandoned + QStringLiteral("/inner")));

        auto folder = WorkFolder::create(program.path(), QString(), nullptr);
        QVERIFY(folder);
        QVERIFY(thesis.exists());
        QCOMPARE(QFileInfo(container).permissions() & 0x0077, QFile::Permissions());
        QCOMPARE(QFileInfo(folder->path()).permissions() & 0x0077, QFile::Permissions());
        QVERIFY(!QFileInfo::exists(abandoned));
        QVERIFY(!QFileInfo::exists(abandoned + QStringLiteral(".lock")));
        folder->remove();
        QVERIFY(QFileInfo::exists(container + QStringLiteral("/notes.txt")));
        QVERIFY(thesis.exists());
    }

    void unwritableProgramFolderFallsBackToTheCache() {
        QTemporaryDir dir, cache;
        // A plain file where "MyProjects" would have to go: nothing can be made there.
        QFile blocker(dir.filePath(QStringLiteral("MyProjects")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        auto folder = WorkFolder::create(dir.path(), cache.path(), nullptr);
        QVERIFY(folder);
        QVERIFY(folder->path().startsWith(cache.path()));
    }

    void unwritablePlacesGiveNoFolderAndAReason() {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        // A plain file stands where the folder would have to be.
        QString error;
        auto folder = WorkFolder::create(blocker.fileName(), QString(), &error);
        QVERIFY(!folder);
        QVERIFY(!error.isEmpty());
    }
};

VV_TEST_MAIN(WorkFolderTest)
#include "tst_workfolder.moc"
