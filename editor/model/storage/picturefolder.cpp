#include "editor/model/storage/picturefolder.h"

#include "editor/model/storage/workfolder.h"
#include "platform/characters.h"
#include "platform/filepaths.h"
#include "platform/numbers.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>
#include <QtConcurrent/QtConcurrentMap>

#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace editor {
namespace {

// A save's own files, which never pass from one picture folder to the next.
const QString kSavingPrefix = QStringLiteral(".saving-");

struct PaneCopy {
    QString from;
    QString name;
};

// Unchanged: the current folder's file of that name, linked; Replaced: a new
// file under that name.
enum class CopyOutcome { Unchanged, Replaced, SourceUnreadable, TargetFailed };

std::filesystem::path fsPath(const QString& file) {
    return std::filesystem::path(QFile::encodeName(file).toStdString());
}

bool hardLink(const QString& from, const QString& to) {
    return ::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// A hard link, or a copy where the two folders lie on different file systems.
bool linkOrCopy(const QString& from, const QString& to) {
    if (hardLink(from, to))
        return true;
    std::error_code failure;
    std::filesystem::copy_file(fsPath(from), fsPath(to), failure);
    if (!failure)
        return true;
    std::filesystem::remove(fsPath(to), failure);
    return false;
}

bool holdsBytes(const QString& file, const QByteArray& bytes) {
    QFile existing(file);
    return existing.open(QIODevice::ReadOnly) && existing.size() == bytes.size() &&
           existing.readAll() == bytes;
}

bool writeNew(const QString& file, const QByteArray& bytes) {
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    const bool written = out.write(bytes) == bytes.size() && out.flush();
    out.close();
    if (written && out.error() == QFileDevice::NoError)
        return true;
    out.remove();
    return false;
}

CopyOutcome stageCopy(const PaneCopy& copy, const QString& current, const QString& staged,
                      PictureCopies mode) {
    const QString target = platform::fileInFolder(staged, copy.name);
    if (mode == PictureCopies::LinkBitmaps && hardLink(copy.from, target))
        return CopyOutcome::Replaced;
    QFile source(copy.from);
    if (!source.open(QIODevice::ReadOnly))
        return CopyOutcome::SourceUnreadable;
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return CopyOutcome::SourceUnreadable;
    const QString replaced = platform::fileInFolder(current, copy.name);
    if (holdsBytes(replaced, bytes) && hardLink(replaced, target))
        return CopyOutcome::Unchanged;
    return writeNew(target, bytes) ? CopyOutcome::Replaced : CopyOutcome::TargetFailed;
}

QString makeStagingFolder(const QString& pictureFolder) {
    const QString prefix = stagingPrefix(pictureFolder);
    if (!QDir().mkpath(QFileInfo(prefix).path()))
        return {};
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString path =
            prefix + QString::number(QRandomGenerator::global()->bounded(1u << 30), 36);
        if (QDir().mkdir(path))
            return path;
        if (!QFileInfo::exists(path))
            return {};
    }
    return {};
}

// Points every pane that reads its source from the current picture folder, under
// a name the new folder gives other bytes, at a copy kept in the work folder, and
// keeps such of `otherSources` the same way, recording each in `kept`. False,
// with the source named, when one cannot be kept.
bool keepReplacedSources(ProjectRecord& project, const QString& pictureFolder,
                         const QSet<QString>& rewritten, const WorkFolder& workFolder,
                         const QSet<QString>& otherSources, QHash<QString, QString>& kept,
                         QStringList* unkept) {
    const QString folder = QFileInfo(pictureFolder).canonicalFilePath();
    if (folder.isEmpty() || rewritten.isEmpty())
        return true;
    // The name to read `source` by from now on; empty when it could not be kept.
    const auto keep = [&](const QString& source) -> QString {
        const QFileInfo info(source);
        if (info.canonicalPath() != folder || !rewritten.contains(info.fileName()))
            return source;
        if (const auto found = kept.constFind(source); found != kept.constEnd())
            return found.value();
        // A name of its own: an earlier kept copy may still be another pane's source.
        const QString fileName = info.fileName();
        QString keptFile = workFolder.filePath(QStringLiteral("kept-") + fileName);
        for (int counter = 2; QFileInfo::exists(keptFile); ++counter)
            keptFile = workFolder.filePath(QStringLiteral("kept-%1-%2").arg(counter).arg(fileName));
        if (!linkOrCopy(source, keptFile)) {
            *unkept << source;
            return {};
        }
        kept.insert(source, keptFile);
        return keptFile;
    };
    for (int e = 1; e <= kLastPane; ++e) {
        PaneRecord& pane = project.Panes[e];
        if (!pane.hasSourcePicture())
            continue;
        const QString source = keep(pane.SourcePicture);
        if (source.isEmpty())
            return false;
        pane.SourcePicture = source;
    }
    for (const QString& source : otherSources)
        if (source != kNoPicture && keep(source).isEmpty())
            return false;
    return true;
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

QString stagingPrefix(const QString& pictureFolder) {
    const QFileInfo folder(pictureFolder);
    const QByteArray digest =
        QCryptographicHash::hash(folder.fileName().toUtf8(), QCryptographicHash::Sha256);
    return platform::fileInFolder(folder.path(), kSavingPrefix +
                                                     QString::fromLatin1(digest.toHex().left(12)) +
                                                     QLatin1Char('-'));
}

void removeStagedFolder(const QString& folder) {
    const QFileInfo info(folder);
    if (info.isSymLink()) {
        QFile::remove(folder);
        return;
    }
    const QDir dir(folder);
    for (const QString& name :
         dir.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks))
        QFile::remove(dir.filePath(name));
    QDir().rmdir(folder);
}

StagedPictureFolder stagePictureFolder(ProjectRecord& project, const QString& pictureFolder,
                                       const WorkFolder& workFolder, PictureCopies mode,
                                       const QSet<QString>& otherSources,
                                       QHash<QString, QString>* kept) {
    StagedPictureFolder result;
    result.path = makeStagingFolder(pictureFolder);
    if (result.path.isEmpty())
        return {{}, {pictureFolder}, true, {}};

    QList<PaneCopy> copies;
    for (int p = 1; p <= kLastPane; ++p) {
        const PaneRecord& pane = project.Panes[p];
        if (!pane.hasWorkPicture())
            continue;
        copies.append({pane.WorkPicture, pictureFileName(pane.PictureName, p)});
    }
    const QString staged = result.path;
    const QList<CopyOutcome> outcomes = QtConcurrent::blockingMapped<QList<CopyOutcome>>(
        copies, [&pictureFolder, &staged, mode](const PaneCopy& copy) {
            return stageCopy(copy, pictureFolder, staged, mode);
        });

    QSet<QString> placed, rewritten, leftOut;
    bool failed = false;
    for (qsizetype i = 0; i < copies.size(); ++i) {
        const QString target = platform::fileInFolder(pictureFolder, copies.at(i).name);
        switch (outcomes.at(i)) {
        case CopyOutcome::Replaced:
            rewritten.insert(copies.at(i).name);
            Q_FALLTHROUGH();
        case CopyOutcome::Unchanged:
            placed.insert(copies.at(i).name);
            break;
        case CopyOutcome::TargetFailed:
            failed = true;
            Q_FALLTHROUGH();
        case CopyOutcome::SourceUnreadable:
            leftOut.insert(copies.at(i).name);
            result.unwritten << target;
            break;
        }
    }

    // Files the project does not name, and the pictures of panes that were left
    // out, pass to the new folder as they are.
    const QFileInfoList current =
        QDir(pictureFolder)
            .entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : current) {
        const QString name = entry.fileName();
        if (name.startsWith(kSavingPrefix) || placed.contains(name))
            continue;
        // A copy in the work folder holds nothing of the user's: carrying on its
        // earlier bitmaps would keep every one the history has let go of alive.
        if (mode == PictureCopies::LinkBitmaps && !leftOut.contains(name))
            continue;
        if (entry.isSymLink() || !entry.isFile()) {
            result.others << name;
            continue;
        }
        if (!failed && !linkOrCopy(entry.filePath(), platform::fileInFolder(staged, name))) {
            result.unwritten << entry.filePath();
            failed = true;
        }
    }

    QHash<QString, QString> keptHere;
    if (!failed && !keepReplacedSources(project, pictureFolder, rewritten, workFolder, otherSources,
                                        keptHere, &result.unwritten))
        failed = true;
    if (kept)
        kept->insert(keptHere);
    if (failed) {
        removeStagedFolder(result.path);
        result.path.clear();
        result.abandoned = true;
    }
    return result;
}

} // namespace editor
