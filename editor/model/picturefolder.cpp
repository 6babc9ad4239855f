#include "editor/model/picturefolder.h"

#include "editor/model/workfolder.h"
#include "platform/filepaths.h"
#include "platform/numbers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QtConcurrent/QtConcurrentMap>

namespace editor {
namespace {

struct PictureCopy {
    QString from;
    QString to;
    // Left out when the file it would replace could not be kept for the pane that reads it.
    bool skipped = false;
};

// Replaces `to` only once the whole copy is written.
bool copyFile(const QString& from, const QString& to) {
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return false;
    QSaveFile target(to);
    return target.open(QIODevice::WriteOnly) && target.write(bytes) == bytes.size() &&
           target.commit();
}

} // namespace

ProjectPaths projectPaths(const QString& fileName) {
    const QFileInfo info(QDir::fromNativeSeparators(fileName));
    ProjectPaths paths;
    paths.FileName = info.filePath();
    paths.Folder = info.path() + QLatin1Char('/');
    const QString title = info.fileName();
    paths.Name = title.size() > 4 ? title.chopped(4) : QString();
    return paths;
}

QString pictureFileName(const QString& pictureName, int pane) {
    return pictureName + QLatin1Char('-') + platform::zeroPadded(pane, 4) + QStringLiteral(".bmp");
}

QStringList writePictureFolder(ProjectRecord& project, const QString& pictureFolder,
                               const WorkFolder& workFolder) {
    if (!QDir().mkpath(pictureFolder))
        return {pictureFolder};

    QList<PictureCopy> copies;
    // Files the copies replace, by their real path, with the copy's index.
    QHash<QString, qsizetype> replaced;
    for (int p = 1; p <= kLastPane; ++p) {
        const PaneRecord& pane = project.Panes[p];
        if (!pane.hasWorkPicture())
            continue;
        const QString target =
            platform::fileInFolder(pictureFolder, pictureFileName(pane.PictureName, p));
        const QString real = QFileInfo(target).canonicalFilePath();
        if (!real.isEmpty())
            replaced.insert(real, copies.size());
        copies.append({pane.WorkPicture, target});
    }

    for (int e = 1; e <= kLastPane; ++e) {
        PaneRecord& pane = project.Panes[e];
        if (!pane.hasSourcePicture())
            continue;
        const auto found = replaced.constFind(QFileInfo(pane.SourcePicture).canonicalFilePath());
        if (found == replaced.constEnd())
            continue;
        // A name of its own: an earlier kept copy may still be another pane's source.
        const QString fileName = QFileInfo(pane.SourcePicture).fileName();
        QString kept = workFolder.filePath(QStringLiteral("kept-") + fileName);
        for (int counter = 2; QFileInfo::exists(kept); ++counter)
            kept = workFolder.filePath(QStringLiteral("kept-%1-%2").arg(counter).arg(fileName));
        if (copyFile(pane.SourcePicture, kept))
            pane.SourcePicture = kept;
        else
            copies[*found].skipped = true;
    }

    const QList<bool> copied =
        QtConcurrent::blockingMapped<QList<bool>>(copies, [](const PictureCopy& copy) {
            return !copy.skipped && copyFile(copy.from, copy.to);
        });
    QStringList unwritten;
    for (qsizetype i = 0; i < copies.size(); ++i)
        if (!copied.at(i))
            unwritten << copies.at(i).to;
    return unwritten;
}

} // namespace editor
