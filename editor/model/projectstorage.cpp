#include "editor/model/projectstorage.h"

#include "editor/model/paneimage.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace editor {
namespace {

// A project file of 1000 panes with every text at its longest is under 2 MiB.
constexpr qint64 kLargestProjectFile = 64 * 1024 * 1024;

} // namespace

QStringList saveProject(ProjectRecord& project, const ProjectPaths& paths, int paneTotal,
                        int boardCount, const WorkFolder& workFolder,
                        const QSet<QString>& otherSources, QHash<QString, QString>* kept) {
    PictureFolderWrite pictures =
        writePictureFolder(project, paths.pictureFolder(), workFolder, otherSources, kept);
    if (pictures.abandoned)
        return pictures.unwritten << paths.FileName;
    QSaveFile file(paths.FileName);
    if (!file.open(QIODevice::WriteOnly) ||
        !writeProjectFile(project, paneTotal, boardCount, project.GridSize, file) || !file.commit())
        pictures.unwritten << paths.FileName;
    return pictures.unwritten;
}

std::optional<ProjectFileValues> loadProjectFile(const QString& fileName, QString* refusal) {
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
            *refusal = QStringLiteral("It is far too large to be a project file.");
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

} // namespace editor
