#include "editor/model/storage/projectstorage.h"

#include "editor/model/project/paneimage.h"
#include "platform/filepaths.h"
#include "platform/filesync.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <memory>

namespace editor {
namespace {

// A project file of 1000 panes with every text at its longest is under 2 MiB.
constexpr qint64 kLargestProjectFile = 64 * 1024 * 1024;

// The new project file inside the new picture folder, until it is committed.
// Its name starts as a save's own files do, so no later save carries it on.
QString commitRecord(const QString& pictureFolder) {
    return platform::fileInFolder(pictureFolder, QStringLiteral(".saving-project.vv1"));
}

bool writeRecord(const QString& record, const ProjectRecord& project, int paneTotal,
                 int boardCount) {
    QFile file(record);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    const bool written =
        writeProjectFile(project, paneTotal, boardCount, project.GridSize, file) && file.flush();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

// How long a save waits for another editor's save of the same project.
constexpr int kSaveWaitMs = 60000;

// The lock that lets one save of a project run at a time, across editors;
// nothing when another editor's save holds it for longer than `waitMs`. Where
// no lock file can be made (a folder that cannot be written), nobody can save
// there, and the caller goes on without one.
std::optional<std::unique_ptr<QLockFile>> lockSaves(const ProjectPaths& paths, int waitMs) {
    auto lock = std::make_unique<QLockFile>(saveLockFile(paths));
    // Held for as long as its save runs, however long that is.
    lock->setStaleLockTime(0);
    if (lock->tryLock(waitMs))
        return lock;
    if (lock->error() == QLockFile::LockFailedError)
        return std::nullopt;
    return std::unique_ptr<QLockFile>();
}

// Where a save writes `path`: through a link, so that a project file or a
// picture folder that is one keeps pointing at the saved version.
QString throughLink(const QString& path) {
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString target = info.canonicalFilePath();
    return target.isEmpty() ? info.symLinkTarget() : target;
}

// Moves the commit record over the project file; where the two lie on
// different file systems (one of them through a link), its bytes are written
// there through a temporary file.
bool moveRecord(const QString& record, const QString& fileName) {
    if (::rename(QFile::encodeName(record).constData(), QFile::encodeName(fileName).constData()) ==
        0)
        return true;
    if (errno != EXDEV)
        return false;
    QFile in(record);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = in.read(kLargestProjectFile + 1);
    QSaveFile copy(fileName);
    if (in.error() != QFileDevice::NoError || !copy.open(QIODevice::WriteOnly) ||
        copy.write(bytes) != bytes.size() || !copy.commit())
        return false;
    return QFile::remove(record);
}

// Finishes what earlier saves of this picture folder, cut off, left beside
// it: what a user keeps in the picture folder besides files (folders, links)
// goes back into it, then the rest of each left folder goes.
void finishLeftovers(const QString& pictureFolder) {
    const QFileInfo prefix(stagingPrefix(pictureFolder));
    const QDir folder(prefix.path());
    const QFileInfo target(pictureFolder);
    const bool canReturn = target.isDir() && !target.isSymLink();
    for (const QString& name :
         folder.entryList({prefix.fileName() + QLatin1Char('*')},
                          QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        const QString left = folder.filePath(name);
        const QFileInfo info(left);
        if (canReturn && info.isDir() && !info.isSymLink()) {
            const QDir leftDir(left);
            for (const QFileInfo& entry : leftDir.entryInfoList(
                     QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
                if (entry.isSymLink() || !entry.isFile())
                    platform::renameNoReplace(
                        entry.filePath(), platform::fileInFolder(pictureFolder, entry.fileName()));
        }
        removeStagedFolder(left);
    }
}

// The project file alone, through a temporary file: nothing, or the file when it
// could not be written.
QStringList saveFileOnly(const ProjectRecord& project, const ProjectPaths& paths, int paneTotal,
                         int boardCount) {
    QSaveFile file(paths.FileName);
    if (!file.open(QIODevice::WriteOnly) ||
        !writeProjectFile(project, paneTotal, boardCount, project.GridSize, file) || !file.commit())
        return {paths.FileName};
    return {};
}

bool hasPictures(const ProjectRecord& project) {
    for (int p = 1; p <= kLastPane; ++p)
        if (project.Panes[p].hasWorkPicture())
            return true;
    return false;
}

// Exchanges the two folders in one step, or, where the file system cannot, in
// two renames; a crash between them leaves the picture folder missing and the
// new one beside it with its record, from which an open completes the save.
bool exchangeFolders(const QString& staged, const QString& pictureFolder) {
    bool unsupported = false;
    if (platform::exchangePaths(staged, pictureFolder, &unsupported))
        return true;
    if (!unsupported)
        return false;
    const QString aside = staged + QStringLiteral("-earlier");
    if (!platform::renameNoReplace(pictureFolder, aside))
        return false;
    if (platform::renameNoReplace(staged, pictureFolder) &&
        platform::renameNoReplace(aside, staged))
        return true;
    platform::renameNoReplace(aside, pictureFolder);
    return false;
}

// The folder that a save cut off between those two renames left beside the
// missing picture folder, holding its record; empty when there is none.
QString stagedWithRecord(const QString& pictureFolder) {
    const QFileInfo prefix(stagingPrefix(pictureFolder));
    const QDir folder(prefix.path());
    for (const QString& name : folder.entryList({prefix.fileName() + QLatin1Char('*')},
                                                QDir::Dirs | QDir::Hidden | QDir::NoSymLinks)) {
        const QString path = folder.filePath(name);
        if (QFileInfo(commitRecord(path)).isFile())
            return path;
    }
    return {};
}

// The bytes of a commit record: a plain file this editor wrote, reading as a
// project; nothing for anything else, which is left alone.
std::optional<QByteArray> soundRecord(const QString& record) {
    const QFileInfo info(record);
    if (info.isSymLink() || !info.isFile() || info.size() > kLargestProjectFile)
        return std::nullopt;
    QFile file(record);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(kLargestProjectFile + 1);
    if (!readProjectFile(bytes, nullptr))
        return std::nullopt;
    return bytes;
}

} // namespace

QString saveLockFile(const ProjectPaths& paths) {
    return paths.Folder + QLatin1Char('.') + QFileInfo(paths.FileName).fileName() +
           QStringLiteral(".lock");
}

QStringList saveProject(ProjectRecord& project, const ProjectPaths& paths, int paneTotal,
                        int boardCount, const WorkFolder& workFolder, PictureCopies copies,
                        const std::function<void(SaveStep)>& reached,
                        const QSet<QString>& otherSources, QHash<QString, QString>* kept,
                        bool* unflushed) {
    if (unflushed)
        *unflushed = false;
    const auto lock = lockSaves(paths, kSaveWaitMs);
    if (!lock)
        return {paths.FileName};
    const QString pictureFolder = throughLink(paths.pictureFolder());
    const QString projectFile = throughLink(paths.FileName);
    const QString pictureParent = QFileInfo(pictureFolder).path();
    const QFileInfo current(pictureFolder);
    // A file where the picture folder should be: the texts are saved all the same.
    if (current.exists() && !current.isDir())
        return QStringList{pictureFolder} << saveFileOnly(project, paths, paneTotal, boardCount);
    const bool replacing = current.exists() || current.isSymLink();
    // No pictures yet: an empty picture folder, ready for them.
    if (!replacing && !hasPictures(project)) {
        const QStringList unmade =
            QDir().mkdir(pictureFolder) ? QStringList() : QStringList{pictureFolder};
        return unmade + saveFileOnly(project, paths, paneTotal, boardCount);
    }
    finishLeftovers(pictureFolder);

    StagedPictureFolder staged =
        stagePictureFolder(project, pictureFolder, workFolder, copies, otherSources, kept);
    if (staged.abandoned)
        return staged.unwritten << paths.FileName;
    const auto abandon = [&staged, &paths](const QString& failed) {
        removeStagedFolder(staged.path);
        if (!failed.isEmpty())
            staged.unwritten << failed;
        return staged.unwritten << paths.FileName;
    };
    const auto step = [&reached](SaveStep done) {
        if (reached)
            reached(done);
    };

    if (!writeRecord(commitRecord(staged.path), project, paneTotal, boardCount))
        return abandon({});
    step(SaveStep::FolderBuilt);
    // The one flush of the save: every new picture and the new project file.
    if (!platform::syncFileSystem(staged.path))
        return abandon(pictureFolder);
    step(SaveStep::FolderDurable);

    const bool placed = replacing ? exchangeFolders(staged.path, pictureFolder)
                                  : platform::renameNoReplace(staged.path, pictureFolder);
    if (!placed)
        return abandon(pictureFolder);
    const bool exchangeDurable = platform::syncFolder(pictureParent);
    step(SaveStep::FoldersExchanged);

    const QString record = commitRecord(pictureFolder);
    const bool committed = moveRecord(record, projectFile);
    // Without its record the save was finished all the same, by an open that
    // came in between; otherwise the earlier folder goes back with the earlier
    // project file.
    if (!committed && QFileInfo::exists(record)) {
        const bool back = replacing ? exchangeFolders(staged.path, pictureFolder)
                                    : platform::renameNoReplace(pictureFolder, staged.path);
        platform::syncFolder(pictureParent);
        if (back)
            return abandon(pictureFolder);
        return staged.unwritten << paths.FileName;
    }
    // The new version is in place; only its flush to the disk is in doubt.
    if (committed && (!platform::syncFolder(QFileInfo(projectFile).path()) || !exchangeDurable)) {
        if (unflushed)
            *unflushed = true;
        else
            staged.unwritten << paths.FileName;
    }
    step(SaveStep::ProjectFileCommitted);

    if (replacing) {
        for (const QString& name : staged.others)
            platform::renameNoReplace(platform::fileInFolder(staged.path, name),
                                      platform::fileInFolder(pictureFolder, name));
        removeStagedFolder(staged.path);
    }
    return staged.unwritten;
}

namespace {

bool commitInterruptedSave(const QString& projectFile, const QString& pictureFolder) {
    const QFileInfo folder(pictureFolder);
    const bool cutBetweenRenames =
        !folder.exists() && !folder.isSymLink() && QFileInfo::exists(projectFile);
    const QString holder = cutBetweenRenames ? stagedWithRecord(pictureFolder) : pictureFolder;
    const std::optional<QByteArray> bytes =
        holder.isEmpty() ? std::nullopt : soundRecord(commitRecord(holder));
    if (!bytes || (cutBetweenRenames && !platform::renameNoReplace(holder, pictureFolder)))
        return false;
    if (!moveRecord(commitRecord(pictureFolder), projectFile))
        return false;
    platform::syncFolder(QFileInfo(projectFile).path());
    return true;
}

} // namespace

bool completeInterruptedSave(const ProjectPaths& paths) {
    // Another editor's save under way: its folders are not left over.
    const auto lock = lockSaves(paths, 0);
    if (!lock)
        return false;
    const QString pictureFolder = throughLink(paths.pictureFolder());
    const bool committed = commitInterruptedSave(throughLink(paths.FileName), pictureFolder);
    finishLeftovers(pictureFolder);
    return committed;
}

std::optional<ProjectFileValues> loadProjectFile(const QString& fileName, QString* refusal) {
    completeInterruptedSave(projectPaths(fileName));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (refusal)
            *refusal = file.errorString();
        return std::nullopt;
    }
    // Read with a bound, since a device that is not a plain file need not end.
    const QByteArray bytes = file.read(kLargestProjectFile + 1);
    if (file.error() != QFileDevice::NoError) {
        if (refusal)
            *refusal = file.errorString();
        return std::nullopt;
    }
    if (bytes.size() > kLargestProjectFile) {
        if (refusal)
            *refusal = QCoreApplication::translate("editor::ProjectFile",
                                                   "It is far too large to be a project file.");
        return std::nullopt;
    }
    return readProjectFile(bytes, refusal);
}

int prepareProjectPictures(ProjectRecord& project, int paneSize, const WorkFolder& workFolder,
                           const std::function<void(int done, int total)>& progress,
                           QString* unreadable) {
    // After an open only the panes the file's pane total reaches have a picture,
    // and a total that disagrees with the boards may reach past the panes in use.
    QList<int> panes;
    for (int p = 1; p <= kLastPane; ++p)
        if (project.Panes[p].hasSourcePicture())
            panes << p;
    const QList<PaneImageFailure> failures =
        prepareNewPaneImages(project, panes, paneSize, workFolder, progress);
    for (const PaneImageFailure& failure : failures) {
        if (unreadable && unreadable->isEmpty() &&
            QFileInfo::exists(project.Panes[failure.pane].SourcePicture))
            *unreadable = failure.error;
        project.Panes[failure.pane].makeBlank();
    }
    return static_cast<int>(failures.size());
}

QList<int> prepareVanishedBitmaps(ProjectRecord& project, int paneTotal, int paneSize,
                                  const WorkFolder& workFolder) {
    QList<int> lost;
    for (int p = 1; p <= std::min(paneTotal, kLastPane); ++p) {
        PaneRecord& pane = project.Panes[p];
        if (pane.PictureName == kNoPicture ||
            (pane.hasWorkPicture() && QFileInfo(pane.WorkPicture).isFile()))
            continue;
        if (pane.hasSourcePicture() &&
            PreparePaneImage(project, p, paneSize, true, workFolder, nullptr))
            continue;
        // Blank, as the board draws it.
        pane.WorkPicture = kNoPicture;
        lost << p;
    }
    return lost;
}

} // namespace editor
