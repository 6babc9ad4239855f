#include "editor/model/storage/recoverycopy.h"

#include "editor/model/storage/picturefolder.h"
#include "editor/model/storage/projectstorage.h"
#include "editor/model/storage/workfolder.h"
#include "platform/filepaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace editor {
namespace {

const QString kRecoveryFolder = QStringLiteral("recovery");
// Holds the project's own file name, in UTF-8.
const QString kFileNameRecord = QStringLiteral("project-file.txt");

QString recoveryFolder(const QString& workFolderPath) {
    return platform::fileInFolder(workFolderPath, kRecoveryFolder);
}

QString fileNameRecord(const QString& workFolderPath) {
    return platform::fileInFolder(recoveryFolder(workFolderPath), kFileNameRecord);
}

bool writeFileName(const QString& workFolderPath, const QString& fileName) {
    QFile current(fileNameRecord(workFolderPath));
    if (current.open(QIODevice::ReadOnly) && QString::fromUtf8(current.read(65536)) == fileName)
        return true;
    QSaveFile file(fileNameRecord(workFolderPath));
    const QByteArray bytes = fileName.toUtf8();
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

// The last entry holding anything, so that panes a smaller board count hides
// come back with the copy; at least the panes in use.
int lastEntryHeld(const ProjectRecord& project) {
    for (int p = kLastPane; p > project.panesInUse(); --p) {
        const PaneRecord& pane = project.Panes[p];
        if (pane.PictureName != kNoPicture || pane.Text != kUnsetText || pane.Label != kUnsetText ||
            pane.URL != kUnsetText)
            return p;
    }
    return project.panesInUse();
}

// A project file of 1000 panes with every text at its longest is under 2 MiB.
constexpr qint64 kLargestCopy = 64 * 1024 * 1024;

mode_t entryType(const QString& path) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return 0;
    return info.st_mode & S_IFMT;
}

// The bytes of a regular file, never through a link and never waiting on a
// pipe or a device planted under its name; nothing for anything else.
std::optional<QByteArray> readPlainFile(const QString& path, qint64 limit) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat info {};
    QFile file;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > limit)
        return std::nullopt;
    return bytes;
}

// Removes from a left copy's picture folder whatever this editor never puts
// there (links, pipes, devices), so that recovering it reads nothing outside it.
void dropForeignEntries(const QString& workFolderPath) {
    const QString pictureFolder = projectPaths(recoveryProjectFile(workFolderPath)).pictureFolder();
    if (entryType(recoveryFolder(workFolderPath)) != S_IFDIR || entryType(pictureFolder) != S_IFDIR)
        return;
    const QDir folder(pictureFolder);
    for (const QString& name :
         folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        const mode_t type = entryType(folder.filePath(name));
        if (type != S_IFREG && type != S_IFDIR)
            QFile::remove(folder.filePath(name));
    }
}

// The pane entries a project file's bytes hold whole: 6 lines each after 7.
int panesHeld(const QByteArray& bytes) {
    const qsizetype lines = bytes.count('\n');
    return lines < 7 ? 0 : static_cast<int>((lines - 7) / 6);
}

} // namespace

QString recoveryProjectFile(const QString& workFolderPath) {
    return platform::fileInFolder(recoveryFolder(workFolderPath), QStringLiteral("Recovery.vv1"));
}

bool holdsRecoveryCopy(const QString& workFolderPath) {
    return describeRecoveryCopy(workFolderPath).has_value();
}

QStringList writeRecoveryCopy(RecoverySnapshot& snapshot, const WorkFolder& workFolder) {
    const QString folder = recoveryFolder(workFolder.path());
    if (!QDir().mkpath(folder) || !writeFileName(workFolder.path(), snapshot.fileName))
        return {folder};
    const ProjectRecord& project = snapshot.project;
    return saveProject(snapshot.project, projectPaths(recoveryProjectFile(workFolder.path())),
                       lastEntryHeld(project), project.BoardCount, workFolder,
                       PictureCopies::LinkBitmaps);
}

void removeRecoveryCopy(const QString& workFolderPath) {
    QDir(recoveryFolder(workFolderPath)).removeRecursively();
}

std::optional<RecoveryDescription> describeRecoveryCopy(const QString& workFolderPath) {
    const QString file = recoveryProjectFile(workFolderPath);
    const QString pictureFolder = projectPaths(file).pictureFolder();
    const mode_t pictures = entryType(pictureFolder);
    if (entryType(recoveryFolder(workFolderPath)) != S_IFDIR ||
        (pictures != 0 && pictures != S_IFDIR))
        return std::nullopt;
    completeInterruptedSave(projectPaths(file));
    const std::optional<QByteArray> bytes = readPlainFile(file, kLargestCopy);
    const auto values = bytes ? readProjectFile(*bytes, nullptr) : std::nullopt;
    if (!values)
        return std::nullopt;
    RecoveryDescription description;
    description.written = QFileInfo(file).lastModified();
    // Only shown and proposed to the save chooser; a name no save could have
    // written (a control character in it) is left out.
    description.fileName =
        QString::fromUtf8(readPlainFile(fileNameRecord(workFolderPath), 65536).value_or(""));
    if (std::any_of(description.fileName.cbegin(), description.fileName.cend(),
                    [](QChar c) { return c.unicode() < 0x20; }))
        description.fileName.clear();
    description.boards = values->BoardCount;
    description.panes = std::clamp<int>(values->PaneTotal, 0, kLastPane);
    description.missingPanes = description.panes - std::min(panesHeld(*bytes), description.panes);
    // Hidden entries come back too, but only the panes in use are shown.
    const int inUse = values->BoardCount * values->GridSize * values->GridSize;
    for (int p = 1; p <= description.panes; ++p) {
        const QString name = values->Panes[p].PictureName;
        if (name == kNoPicture)
            continue;
        if (p <= inUse)
            ++description.pictures;
        if (entryType(platform::fileInFolder(pictureFolder, pictureFileName(name, p))) != S_IFREG)
            ++description.missingPictures;
    }
    return description;
}

bool adoptPictures(ProjectRecord& project, const QString& pictureFolder,
                   const WorkFolder& workFolder, QString* failed) {
    const QString folder = QFileInfo(pictureFolder).canonicalFilePath();
    for (int e = 1; e <= kLastPane; ++e) {
        PaneRecord& pane = project.Panes[e];
        if (!pane.hasSourcePicture() || QFileInfo(pane.SourcePicture).canonicalPath() != folder)
            continue;
        const QString fileName = QFileInfo(pane.SourcePicture).fileName();
        QString adopted = workFolder.filePath(QStringLiteral("recovered-") + fileName);
        for (int counter = 2; QFileInfo::exists(adopted); ++counter)
            adopted =
                workFolder.filePath(QStringLiteral("recovered-%1-%2").arg(counter).arg(fileName));
        if (::link(QFile::encodeName(pane.SourcePicture).constData(),
                   QFile::encodeName(adopted).constData()) != 0 &&
            !QFile::copy(pane.SourcePicture, adopted)) {
            if (failed)
                *failed = pane.SourcePicture;
            return false;
        }
        pane.SourcePicture = adopted;
    }
    return true;
}

std::vector<std::unique_ptr<LeftWork>> LeftWork::claimAll(const QString& container) {
    std::vector<std::unique_ptr<LeftWork>> found;
    const QDir dir(container);
    for (const QString& name :
         dir.entryList({QStringLiteral("run-*")}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString folder = dir.filePath(name);
        if (!WorkFolder::isOwnFolder(folder))
            continue;
        auto lock = WorkFolder::claim(folder);
        if (!lock)
            continue;
        dropForeignEntries(folder);
        if (auto description = describeRecoveryCopy(folder))
            found.emplace_back(new LeftWork(folder, std::move(*description), std::move(lock)));
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return a->description().written > b->description().written;
    });
    return found;
}

LeftWork::LeftWork(QString folder, RecoveryDescription description, std::unique_ptr<QLockFile> lock)
    : m_folder(std::move(folder)), m_description(std::move(description)), m_lock(std::move(lock)) {}

LeftWork::~LeftWork() = default;

void LeftWork::discard() {
    QDir(m_folder).removeRecursively();
    m_lock->unlock();
    QDir().rmdir(QFileInfo(m_folder).path());
}

} // namespace editor
