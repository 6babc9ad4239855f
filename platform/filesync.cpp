#include "platform/filesync.h"

#include <QFile>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace platform {
namespace {

bool onFolder(const QString& folder, int (*sync)(int)) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = sync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

} // namespace

bool syncFileSystem(const QString& folder) {
    return onFolder(folder, ::syncfs);
}

bool syncFolder(const QString& folder) {
    return onFolder(folder, ::fsync);
}

bool exchangePaths(const QString& first, const QString& second, bool* unsupported) {
    const bool exchanged = ::renameat2(AT_FDCWD, QFile::encodeName(first).constData(), AT_FDCWD,
                                       QFile::encodeName(second).constData(), RENAME_EXCHANGE) == 0;
    if (unsupported)
        *unsupported = !exchanged && (errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP);
    return exchanged;
}

bool renameNoReplace(const QString& from, const QString& to) {
    return ::renameat2(AT_FDCWD, QFile::encodeName(from).constData(), AT_FDCWD,
                       QFile::encodeName(to).constData(), RENAME_NOREPLACE) == 0;
}

} // namespace platform
