#include "editor/model/project/paneimage.h"
#include "editor/model/storage/picturefolder.h"
#include "editor/model/storage/projectstorage.h"
#include "editor/model/storage/recoverykeeper.h"
#include "editor/model/storage/workfolder.h"
#include "testmain.h"
#include "testpictures.h"

#include <QDir>
#include <QTemporaryDir>
#include <QUndoStack>

#include <sys/stat.h>

using namespace editor;

class RecoveryCopyTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    // An editor that kept a copy of a new project and ended, leaving its folder.
    QString leaveCopy(const QString& fileName, int ageSeconds) {
        auto work = WorkFolder::create(m_dir.path(), QString(), nullptr);
        RecoverySnapshot snapshot{ProjectRecord(), fileName};
        if (!writeRecoveryCopy(snapshot, *work).isEmpty())
            return {};
        QFile copy(recoveryProjectFile(work->path()));
        if (!copy.open(QIODevice::ReadWrite) ||
            !copy.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                              QFileDevice::FileModificationTime))
            return {};
        work->leaveRecoveryCopy();
        return work->path();
    }

private Q_SLOTS:
    void cleanup() {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    void aChangedProjectIsKeptUntilTheHistoryIsClean() {
        auto work = WorkFolder::create(m_dir.path(), QString(), nullptr);
        ProjectRecord project;
        QVERIFY(testsupport::quadrants(30, 30).save(m_dir.filePath(QStringLiteral("Shot.bmp"))));
        project.Panes[1].SourcePicture = m_dir.filePath(QStringLiteral("Shot.bmp"));
        project.Panes[1].PictureName = QStringLiteral("Shot");
        QVERIFY(PreparePaneImage(project, 1, 20, true, *work, nullptr));
        QUndoStack history;
        RecoveryKeeper keeper(
            history,
            [&project] {
                return std::optional(RecoverySnapshot{project, {}});
            },
            *work);
        const QString copy = recoveryProjectFile(work->path());
        // Read as they stand: an open would finish a write under way itself.
        const auto keptText = [&copy] {
            QFile file(copy);
            const auto values = file.open(QIODevice::ReadOnly)
                                    ? readProjectFile(file.readAll(), nullptr)
                                    : std::nullopt;
            return values ? values->Panes[1].Text : QString();
        };
        // Changes coming faster than the delay do not put the copy off.
        for (int change = 0; change < 8 && !QFileInfo::exists(copy); ++change) {
            history.push(new QUndoCommand(QStringLiteral("Text")));
            QTest::qWait(RecoveryKeeper::kDelayMs / 4);
        }
        QVERIFY(QFileInfo::exists(copy));
        for (const QString& text : {QStringLiteral("first"), QStringLiteral("second")}) {
            project.Panes[1].Text = text;
            history.push(new QUndoCommand(QStringLiteral("Text")));
            QTRY_COMPARE_WITH_TIMEOUT(keptText(), text, 10000);
        }
        // The prepared bitmap is linked, never copied.
        struct stat kept {
        }, bitmap{};
        const QString linked =
            projectPaths(copy).pictureFolder() + QStringLiteral("/Shot-0001.bmp");
        QCOMPARE(::stat(QFile::encodeName(linked).constData(), &kept), 0);
        QCOMPARE(::stat(QFile::encodeName(project.Panes[1].WorkPicture).constData(), &bitmap), 0);
        QCOMPARE(kept.st_ino, bitmap.st_ino);
        // A picture the project no longer names leaves the copy: the history may
        // delete its bitmap, whose disk space the copy must not hold on to.
        project.Panes[1].PictureName = QStringLiteral("Other");
        history.push(new QUndoCommand(QStringLiteral("Picture")));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(projectPaths(copy).pictureFolder() +
                                                   QStringLiteral("/Other-0001.bmp")),
                                 10000);
        QVERIFY(!QFileInfo::exists(linked));

        history.setClean();
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(copy), 10000);
        history.undo();
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(copy), 10000);
        // Back at the point of the save: nothing to keep.
        history.redo();
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(copy), 10000);
    }

    // A board count made smaller hides panes, which come back with the copy.
    void hiddenPanesComeBackWithTheCopy() {
        auto work = WorkFolder::create(m_dir.path(), QString(), nullptr);
        ProjectRecord project;
        QVERIFY(testsupport::quadrants(30, 30).save(m_dir.filePath(QStringLiteral("Shot.bmp"))));
        project.Panes[6].SourcePicture = m_dir.filePath(QStringLiteral("Shot.bmp"));
        project.Panes[6].PictureName = QStringLiteral("Shot");
        project.Panes[6].Text = QStringLiteral("six");
        QVERIFY(PreparePaneImage(project, 6, 20, true, *work, nullptr));
        RecoverySnapshot snapshot{project, {}};
        QCOMPARE(writeRecoveryCopy(snapshot, *work), QStringList());

        const QString copy = recoveryProjectFile(work->path());
        const auto values = loadProjectFile(copy, nullptr);
        QVERIFY(values);
        QCOMPARE(values->BoardCount, 1);
        ProjectRecord recovered;
        applyProjectFile(recovered, *values, projectPaths(copy).pictureFolder(), *work);
        QCOMPARE(recovered.Panes[6].Text, QStringLiteral("six"));
        QVERIFY(QFileInfo(recovered.Panes[6].SourcePicture).isFile());
        QCOMPARE(describeRecoveryCopy(work->path())->pictures, 0);
    }

    // At start-up, ended editors' folders go unless they hold work to recover,
    // which is offered newest first.
    void startUpKeepsOnlyFoldersWithWorkToRecover_data() {
        QTest::addColumn<QString>("left");
        QTest::addColumn<bool>("offered");
        QTest::addColumn<bool>("whole");
        QTest::newRow("a recovery copy") << "copy" << true << true;
        QTest::newRow("a copy cut off after its exchange") << "cut off" << true << true;
        QTest::newRow("bitmaps only") << "bitmaps" << false << true;
        QTest::newRow("a copy that is no project") << "garbage" << false << true;
        // Copies a crash cut short, or someone tampered with.
        QTest::newRow("a copy cut at 40 %") << "truncated" << true << false;
        QTest::newRow("a pipe for its project file") << "pipe" << false << true;
        QTest::newRow("a picture folder linking elsewhere") << "linked folder" << false << true;
        QTest::newRow("a picture linking elsewhere") << "linked picture" << true << false;
    }
    void startUpKeepsOnlyFoldersWithWorkToRecover() {
        QFETCH(QString, left);
        QFETCH(bool, offered);
        QFETCH(bool, whole);
        // Outside every work folder: never read, moved or deleted.
        QTemporaryDir outside;
        const QString outsideFile = outside.filePath(QStringLiteral(".saving-project.vv1"));
        QFile outsideProject(outsideFile);
        QVERIFY(outsideProject.open(QIODevice::WriteOnly));
        outsideProject.write("4\r\n1\r\n2\r\nToUse\r\n0\r\n0\r\nToUse\r\n");
        outsideProject.close();
        const QString older = leaveCopy(QStringLiteral("/home/me/Older.vv1"), 3600);
        const QString folder = leaveCopy(QStringLiteral("/home/me/Trip.vv1"), 60);
        QVERIFY(!older.isEmpty() && !folder.isEmpty());
        const QString copy = recoveryProjectFile(folder);
        if (left == QStringLiteral("cut off")) {
            QVERIFY(QDir().mkpath(projectPaths(copy).pictureFolder()));
            QVERIFY(QFile::rename(copy, projectPaths(copy).pictureFolder() +
                                            QStringLiteral("/.saving-project.vv1")));
        } else if (left == QStringLiteral("bitmaps")) {
            QVERIFY(QDir(QFileInfo(copy).path()).removeRecursively());
        } else if (left == QStringLiteral("garbage")) {
            QFile file(copy);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        } else if (left == QStringLiteral("truncated")) {
            QVERIFY(QFile(copy).resize(QFileInfo(copy).size() * 2 / 5));
        } else if (left == QStringLiteral("pipe")) {
            QVERIFY(QFile::remove(copy));
            QCOMPARE(::mkfifo(QFile::encodeName(copy).constData(), 0600), 0);
        } else if (left == QStringLiteral("linked folder")) {
            QVERIFY(QFile::rename(copy, copy + QStringLiteral(".aside")));
            QVERIFY(QDir().rmdir(projectPaths(copy).pictureFolder()));
            QVERIFY(QFile::link(outside.path(), projectPaths(copy).pictureFolder()));
        } else if (left == QStringLiteral("linked picture")) {
            QFile file(copy);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write("4\r\n1\r\n2\r\nToUse\r\n0\r\n0\r\nToUse\r\nSky-0001\r\n0\r\n0\r\n"
                       "ToUse\r\nToUse\r\nToUse\r\n");
            for (int pane = 2; pane <= 4; ++pane)
                file.write("none\r\n0\r\n0\r\nToUse\r\nToUse\r\nToUse\r\n");
            file.close();
            QVERIFY(QDir().mkpath(projectPaths(copy).pictureFolder()));
            QVERIFY(QFile::link(outsideFile, projectPaths(copy).pictureFolder() +
                                                 QStringLiteral("/Sky-0001.bmp")));
        }

        auto work = WorkFolder::create(m_dir.path(), QString(), nullptr);
        QCOMPARE(QFileInfo::exists(folder), offered);
        const auto found = LeftWork::claimAll(work->container());
        QStringList names;
        for (const auto& work : found)
            names << work->description().fileName;
        QCOMPARE(names, offered ? QStringList({"/home/me/Trip.vv1", "/home/me/Older.vv1"})
                                : QStringList({"/home/me/Older.vv1"}));
        QCOMPARE(found.front()->description().complete(), whole);
        QVERIFY(!QFileInfo(projectPaths(copy).pictureFolder() + QStringLiteral("/Sky-0001.bmp"))
                     .isSymLink());
        QVERIFY(outsideProject.exists());
        // Claimed: another editor starting now neither removes nor offers it.
        QVERIFY(LeftWork::claimAll(work->container()).empty());
        found.front()->discard();
        QVERIFY(!QFileInfo::exists(found.front()->folder()));
    }
};

VV_TEST_MAIN(RecoveryCopyTest)
#include "tst_recoverycopy.moc"
