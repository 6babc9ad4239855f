#include "editor/model/storage/workfolder.h"

#include "editor/model/storage/recoverycopy.h"
#include "platform/filepaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <sys/stat.h>
#include <unistd.h>

namespace editor {
namespace {

const QString kRunPrefix = QStringLiteral("run-");
const QString kLockSuffix = QStringLiteral(".lock");

// A lock is held for as long as its editor lives, whatever its age.
std::unique_ptr<QLockFile> lockFor(const QString& folder) {
    auto lock = std::make_unique<QLockFile>(folder + kLockSuffix);
    lock->setStaleLockTime(0);
    return lock;
}

// A folder itself, not a link to one, and this user's: the container may lie in
// the shared temporary folder, where anyone can plant an entry.
bool isOwnFolder(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::geteuid();
}

} // namespace

bool WorkFolder::isOwnFolder(const QString& path) {
    return editor::isOwnFolder(path);
}

WorkFolder::WorkFolder(QString container, QString path, std::unique_ptr<QLockFile> lock)
    : m_container(std::move(container)), m_path(std::move(path)), m_lock(std::move(lock)) {}

WorkFolder::~WorkFolder() {
    remove();
}

std::unique_ptr<WorkFolder> WorkFolder::create(const QString& programFolder,
                                               const QString& fallbackFolder, QString* error) {
    if (auto folder = createIn(programFolder, error))
        return folder;
    return createIn(fallbackFolder, error);
}

std::unique_ptr<WorkFolder> WorkFolder::createIn(const QString& base, QString* error) {
    if (base.isEmpty())
        return nullptr;
    const QString container = QDir(base).filePath(containerName());
    if (!QDir().mkpath(container)) {
        if (error)
            *error =
                QCoreApplication::translate("editor::WorkFolder", "Cannot create the folder %1.")
                    .arg(container);
        return nullptr;
    }
    // No other user may plant entries in it.
    if (!isOwnFolder(container) ||
        ::chmod(QFile::encodeName(container).constData(), S_IRWXU) != 0) {
        if (error)
            *error = QCoreApplication::translate("editor::WorkFolder",
                                                 "The folder %1 is not one of yours.")
                         .arg(container);
        return nullptr;
    }
    removeAbandoned(container);
    // The lock comes first, so a starting editor never takes the new folder for
    // an abandoned one.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString path = QDir(container).filePath(
            kRunPrefix + QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-') +
            QString::number(QRandomGenerator::global()->bounded(1u << 30), 36));
        auto lock = lockFor(path);
        if (!lock->tryLock(0))
            continue;
        if (QFileInfo::exists(path) || ::mkdir(QFile::encodeName(path).constData(), S_IRWXU) != 0)
            continue;
        return std::unique_ptr<WorkFolder>(new WorkFolder(container, path, std::move(lock)));
    }
    if (error)
        *error =
            QCoreApplication::translate("editor::WorkFolder", "Cannot create a work folder in %1.")
                .arg(container);
    return nullptr;
}

void WorkFolder::removeAbandoned(const QString& container) {
    const QDir dir(container);
    const QStringList folders =
        dir.entryList({kRunPrefix + QLatin1Char('*')}, QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& name : folders) {
        const QString path = dir.filePath(name);
        if (!isOwnFolder(path))
            continue;
        auto lock = claim(path);
        // An editor is still working in it, or it holds work to recover.
        if (!lock || holdsRecoveryCopy(path))
            continue;
        QDir(path).removeRecursively();
        lock->unlock();
    }
    // Lock files whose folder is gone.
    const QStringList locks =
        dir.entryList({kRunPrefix + QLatin1Char('*') + kLockSuffix}, QDir::Files);
    for (const QString& name : locks) {
        const QString folder = dir.filePath(name.chopped(kLockSuffix.size()));
        if (QFileInfo::exists(folder))
            continue;
        auto lock = lockFor(folder);
        if (lock->tryLock(0))
            lock->unlock();
    }
}

std::unique_ptr<QLockFile> WorkFolder::claim(const QString& folder) {
    auto lock = lockFor(folder);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

QString WorkFolder::filePath(const QString& fileName) const {
    return platform::fileInFolder(m_path, fileName);
}

void WorkFolder::remove() {
    if (m_removed)
        return;
    m_removed = true;
    QDir(m_path).removeRecursively();
    m_lock->unlock();
    QDir().rmdir(m_container); // only succeeds when nothing else is left in it
}

void WorkFolder::hold(const QString& file) {
    ++m_held[file];
}

bool WorkFolder::release(const QString& file) {
    const auto held = m_held.find(file);
    if (held == m_held.end())
        return true;
    if (--held.value() > 0)
        return false;
    m_held.erase(held);
    return true;
}

void WorkFolder::leaveRecoveryCopy() {
    if (m_removed)
        return;
    m_removed = true;
    const QDir folder(m_path);
    const QString kept = QFileInfo(recoveryProjectFile(m_path)).path();
    for (const QFileInfo& entry : folder.entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                       QDir::System | QDir::NoDotAndDotDot)) {
        if (entry.filePath() == kept)
            continue;
        if (entry.isDir() && !entry.isSymLink())
            QDir(entry.filePath()).removeRecursively();
        else
            QFile::remove(entry.filePath());
    }
    m_lock->unlock();
}

} // namespace editor
