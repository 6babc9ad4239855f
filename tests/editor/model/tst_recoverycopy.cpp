#include "editor/model/paneimage.h"
#include "editor/model/picturefolder.h"
#include "editor/model/projectfile.h"
#include "editor/model/projectstorage.h"
#include "editor/model/recoverycopy.h"
#include "editor/model/recoverykeeper.h"
#include "editor/model/workfolder.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUndoStack>

#include <sys/stat.h>

using namespace editor;

namespace {

ino_t inode(const QString& file) {
    struct stat info {};
    return ::stat(QFile::encodeName(file).constData(), &info) == 0 ? info.st_ino : 0;
}

} // namespace

class RecoveryCopyTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    // A project of one board whose pane 1 holds a picture, in `work`.
    ProjectRecord pictured(const WorkFolder& work) {
        ProjectRecord project;
        const QString source = m_dir.filePath(QStringLiteral("Shot.bmp"));
        QImage image(30, 30, QImage::Format_RGB32);
        image.fill(Qt::red);
        image.save(source);
        project.Panes[1].SourcePicture = source;
        project.Panes[1].PictureName = QStringLiteral("Shot");
        project.Panes[1].Text = QStringLiteral("first");
        PreparePaneImage(project, 1, 20, true, work, nullptr);
        return project;
    }
    // An editor that kept a copy of `project` and ended, leaving its folder.
    QString leaveCopy(ProjectRecord project, const QString& fileName) {
        auto work = WorkFolder::create(m_dir.path(), QString(), nullptr);
        RecoverySnapshot snapshot{std::move(project), fileName};
        if (!writeRecoveryCopy(snapshot, *work).isEmpty())
            return {};
        const QString folder = work->path();
        work->leaveRecoveryCopy();
        return folder;
    }

private Q_SLOTS:
    void cleanup() {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    void aChangedProjectIsKeptUntilTheHistoryIsClean() {
        auto work = WorkFolder::create(m_dir.path(), QString(), nullptr);
        ProjectRecord project = pictured(*work);
        QUndoStack history;
        RecoveryKeeper keeper(
            history,
            [&project] {
                return std::optional(RecoverySnapshot{project, {}});
            },
            *work);
        const QString copy = recoveryProjectFile(work->path());
        // Read as they stand: an open would finish a write under way itself.
        const auto copiedText = [&copy] {
            QFile file(copy);
            if (!file.open(QIODevice::ReadOnly))
                return QString();
            const auto values = readProjectFile(file.readAll(), nullptr);
            return values ? values->Panes[1].Text : QString();
        };
        history.push(new QUndoCommand(QStringLiteral("Text")));
        QTRY_COMPARE_WITH_TIMEOUT(copiedText(), QStringLiteral("first"), 10000);
        // The prepared bitmap is linked, never copied.
        QCOMPARE(inode(projectPaths(copy).pictureFolder() + QStringLiteral("/Shot-0001.bmp")),
                 inode(project.Panes[1].WorkPicture));

        project.Panes[1].Text = QStringLiteral("second");
        history.push(new QUndoCommand(QStringLiteral("Text")));
        QTRY_COMPARE_WITH_TIMEOUT(copiedText(), QStringLiteral("second"), 10000);
        history.setClean();
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(copy), 10000);
        // Undone back to the point of the save: nothing to keep either.
        history.undo();
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(copy), 10000);
        history.redo();
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(copy), 10000);
    }

    // At start-up, ended editors' folders go unless they hold work to recover.
    void startUpKeepsOnlyFoldersWithWorkToRecover_data() {
        QTest::addColumn<QString>("left");
        QTest::addColumn<bool>("offered");
        QTest::newRow("a recovery copy") << "copy" << true;
        QTest::newRow("a copy cut off after its exchange") << "cut off" << true;
        QTest::newRow("bitmaps only") << "bitmaps" << false;
        QTest::newRow("a copy that is no project") << "garbage" << false;
    }
    void startUpKeepsOnlyFoldersWithWorkToRecover() {
        QFETCH(QString, left);
        QFETCH(bool, offered);
        const QString folder = leaveCopy(ProjectRecord(), QStringLiteral("/home/me/Trip.vv1"));
        QVERIFY(!folder.isEmpty());
        const QString copy = recoveryProjectFile(folder);
        const QString record = projectPaths(copy).pictureFolder() + "/.saving-project.vv1";
        if (left == QStringLiteral("cut off")) {
            QVERIFY(QFile::rename(copy, record));
        } else if (left == QStringLiteral("bitmaps")) {
            QVERIFY(QDir(QFileInfo(copy).path()).removeRecursively());
        } else if (left == QStringLiteral("garbage")) {
            QFile file(copy);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write("no project");
        }

        auto work = WorkFolder::create(m_dir.path(), QString(), nullptr);
        QCOMPARE(QFileInfo::exists(folder), offered);
        const auto found = LeftWork::claimAll(work->container());
        QCOMPARE(int(found.size()), offered ? 1 : 0);
        if (!offered)
            return;
        QCOMPARE(found.front()->folder(), folder);
        QCOMPARE(found.front()->description().fileName, QStringLiteral("/home/me/Trip.vv1"));
        QCOMPARE(found.front()->description().boards, 1);
        // Claimed: a second editor starting now neither removes nor offers it.
        QVERIFY(LeftWork::claimAll(work->container()).empty());
        found.front()->discard();
        QVERIFY(!QFileInfo::exists(folder));
    }

    void severalAreOfferedNewestFirst() {
        const QString older = leaveCopy(ProjectRecord(), QStringLiteral("Older.vv1"));
        const QString newer = leaveCopy(ProjectRecord(), QStringLiteral("Newer.vv1"));
        const QString oldest = leaveCopy(ProjectRecord(), {});
        const QDateTime now = QDateTime::currentDateTime();
        for (const auto& [folder, age] :
             {std::pair{older, 60}, std::pair{newer, 10}, std::pair{oldest, 3600}}) {
            QFile copy(recoveryProjectFile(folder));
            QVERIFY(copy.open(QIODevice::ReadWrite));
            QVERIFY(copy.setFileTime(now.addSecs(-age), QFileDevice::FileModificationTime));
        }
        auto work = WorkFolder::create(m_dir.path(), QString(), nullptr);
        QStringList names;
        for (const auto& left : LeftWork::claimAll(work->container()))
            names << left->description().fileName;
        QCOMPARE(names, QStringList({"Newer.vv1", "Older.vv1", ""}));
    }
};

VV_TEST_MAIN(RecoveryCopyTest)
#include "tst_recoverycopy.moc"
