#include "editor/model/picturefolder.h"

#include "editor/model/workfolder.h"
#include "platform/characters.h"
#include "platform/filepaths.h"
#include "platform/filesync.h"
#include "platform/numbers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRandomGenerator>
#include <QtConcurrent/QtConcurrentMap>

#include <filesystem>
#include <system_error>

namespace editor {
namespace {

struct PictureCopy {
    QString from;
    QString to;
    // Left out when the file it would replace could not be kept for the pane that reads it.
    bool skipped = false;
};

enum class CopyOutcome { Staged, SourceUnreadable, TargetFailed };

struct StagedCopy {
    CopyOutcome outcome = CopyOutcome::SourceUnreadable;
    // The new file beside the copy's target, not yet under its name.
    QString temporary;
};

std::filesystem::path fsPath(const QString& file) {
    return std::filesystem::path(QFile::encodeName(file).toStdString());
}

// Writes `bytes` to a new file beside `target`, under a short name no other
// file has, so that a target name near the longest allowed still gets one; the
// name, or empty (and nothing left behind) when it cannot be written whole.
QString writeBeside(const QString& target, const QByteArray& bytes) {
    const QString folder = QFileInfo(target).path();
    for (;;) {
        const QString name = platform::fileInFolder(
            folder, QStringLiteral(".saving-") +
                        QString::number(QRandomGenerator::global()->generate(), 36));
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (QFileInfo::exists(name))
                continue;
            return {};
        }
        const bool written = file.write(bytes) == bytes.size() && file.flush();
        file.close();
        if (written && file.error() == QFileDevice::NoError)
            return name;
        file.remove();
        return {};
    }
}

StagedCopy stageCopy(const PictureCopy& copy) {
    if (copy.skipped)
        return {};
    QFile source(copy.from);
    if (!source.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return {};
    const QString temporary = writeBeside(copy.to, bytes);
    if (temporary.isEmpty())
        return {CopyOutcome::TargetFailed, {}};
    return {CopyOutcome::Staged, temporary};
}

// The work folder is scratch that never outlives the editor, so a kept picture
// needs no flush: a hard link keeps the very file for nothing, and a copy stands
// in where the two folders lie on different file systems.
bool keepFile(const QString& from, const QString& kept) {
    std::error_code failure;
    std::filesystem::create_hard_link(fsPath(from), fsPath(kept), failure);
    if (!failure)
        return true;
    std::filesystem::copy_file(fsPath(from), fsPath(kept), failure);
    if (!failure)
        return true;
    std::filesystem::remove(fsPath(kept), failure);
    return false;
}

void removeStaged(const QList<StagedCopy>& staged) {
    for (const StagedCopy& copy : staged)
        if (!copy.temporary.isEmpty())
            QFile::remove(copy.temporary);
}

} // namespace

ProjectPaths projectPaths(const QString& fileName) {
    const QFileInfo info(QDir::fromNativeSeparators(fileName));
    ProjectPaths paths;
    paths.FileName = info.filePath();
    paths.Folder = info.path() + QLatin1Char('/');
    const QString title = info.fileName();
    paths.Name = platform::withoutLastCharacters(title, 4).value_or(QStringView()).toString();
    return paths;
}

QString pictureFileName(const QString& pictureName, int pane) {
    return pictureName + QLatin1Char('-') + platform::zeroPadded(pane, 4) + QStringLiteral(".bmp");
}

PictureFolderWrite writePictureFolder(ProjectRecord& project, const QString& pictureFolder,
                                      const WorkFolder& workFolder,
                                      const QSet<QString>& otherSources,
                                      QHash<QString, QString>* kept) {
    if (!QDir().mkpath(pictureFolder))
        return {{pictureFolder}, false};

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

    // Keeps `source` when a copy would replace it; the name to read it by from now on.
    const auto keepSource = [&](const QString& source) {
        const auto found = replaced.constFind(QFileInfo(source).canonicalFilePath());
        if (found == replaced.constEnd())
            return source;
        // A name of its own: an earlier kept copy may still be another pane's source.
        const QString fileName = QFileInfo(source).fileName();
        QString keptFile = workFolder.filePath(QStringLiteral("kept-") + fileName);
        for (int counter = 2; QFileInfo::exists(keptFile); ++counter)
            keptFile = workFolder.filePath(QStringLiteral("kept-%1-%2").arg(counter).arg(fileName));
        if (!keepFile(source, keptFile)) {
            copies[*found].skipped = true;
            return source;
        }
        if (kept)
            kept->insert(source, keptFile);
        return keptFile;
    };
    for (int e = 1; e <= kLastPane; ++e) {
        PaneRecord& pane = project.Panes[e];
        if (pane.hasSourcePicture())
            pane.SourcePicture = keepSource(pane.SourcePicture);
    }
    for (const QString& source : otherSources)
        if (source != kNoPicture && !(kept && kept->contains(source)))
            keepSource(source);
    if (copies.isEmpty())
        return {};

    const QList<StagedCopy> staged =
        QtConcurrent::blockingMapped<QList<StagedCopy>>(copies, stageCopy);
    PictureFolderWrite result;
    for (qsizetype i = 0; i < copies.size(); ++i)
        if (staged.at(i).outcome == CopyOutcome::TargetFailed)
            result.unwritten << copies.at(i).to;
    // One flush for all the copies, before any of them replaces a file.
    if (result.unwritten.isEmpty() && !platform::syncFileSystem(pictureFolder))
        result.unwritten << pictureFolder;
    if (!result.unwritten.isEmpty()) {
        removeStaged(staged);
        result.abandoned = true;
        return result;
    }

    for (qsizetype i = 0; i < copies.size(); ++i) {
        const StagedCopy& copy = staged.at(i);
        if (copy.outcome != CopyOutcome::Staged) {
            result.unwritten << copies.at(i).to;
            continue;
        }
        std::error_code failure;
        std::filesystem::rename(fsPath(copy.temporary), fsPath(copies.at(i).to), failure);
        if (failure) {
            QFile::remove(copy.temporary);
            result.unwritten << copies.at(i).to;
        }
    }
    if (!platform::syncFolder(pictureFolder))
        result.unwritten << pictureFolder;
    return result;
}

} // namespace editor
