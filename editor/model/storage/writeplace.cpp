#include "editor/model/storage/writeplace.h"

#include "editor/model/storage/workfolder.h"
#include "platform/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace editor {
namespace {

// The path as the file system resolves it, links included, although its last
// parts need not exist yet.
QString resolved(const QString& path) {
    QString existing = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QString rest;
    while (!existing.isEmpty()) {
        const QString canonical = QFileInfo(existing).canonicalFilePath();
        if (!canonical.isEmpty())
            return rest.isEmpty() ? canonical : canonical + rest;
        const QFileInfo info(existing);
        if (info.path() == existing)
            break;
        rest = QLatin1Char('/') + info.fileName() + rest;
        existing = info.path();
    }
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

bool liesIn(const QString& path, const QString& folder) {
    return !folder.isEmpty() && (path == folder || path.startsWith(folder + QLatin1Char('/')));
}

} // namespace

std::optional<QString> workFolderRefusal(const QString& target,
                                         const platform::Platform& platform) {
    const QString path = resolved(target);
    // Wherever an editor may have put its work folders.
    for (const QString& base :
         {platform.programFolder(), platform.cacheFolder(), QDir::tempPath()}) {
        if (base.isEmpty())
            continue;
        const QString container = resolved(QDir(base).filePath(WorkFolder::containerName()));
        if (!liesIn(path, container))
            continue;
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        return QCoreApplication::translate(
                   "WorkFolder",
                   "I did not write %1: it lies in %2, where the editor keeps its working "
                   "files and which it deletes when it ends.\nPlease choose a folder of your "
                   "own, such as your documents folder %3.")
            .arg(QDir::toNativeSeparators(target), QDir::toNativeSeparators(container),
                 QDir::toNativeSeparators(documents));
    }
    return std::nullopt;
}

} // namespace editor
