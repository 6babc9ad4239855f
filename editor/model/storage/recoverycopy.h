#pragma once

#include "editor/model/project/projectrecord.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class QLockFile;

namespace editor {

class WorkFolder;

// A changed project as the editor keeps it in its own work folder, so that the
// work outlives the editor: "recovery/Recovery.vv1" with its picture folder,
// written as any save is, and the project's own file name beside it.

// The values to keep, taken on the main thread; writing them may go on elsewhere.
struct RecoverySnapshot {
    ProjectRecord project;
    // The file the project was opened from or saved as; empty for a new project.
    QString fileName;
};

// What a recovery copy holds, for the offer to recover it.
struct RecoveryDescription {
    // When the copy was last written: when its editor ended, or the last change before.
    QDateTime written;
    QString fileName;
    int boards = 0;
    int pictures = 0;
    // A copy that was cut off or damaged: the panes its file should hold but
    // does not, and the pictures it names that are not in its picture folder.
    int panes = 0;
    int missingPanes = 0;
    int missingPictures = 0;
    bool complete() const { return missingPanes == 0 && missingPictures == 0; }
};

QString recoveryProjectFile(const QString& workFolderPath);
// Whether the folder holds a copy that reads as a project (after completing a
// write of it that was cut off).
bool holdsRecoveryCopy(const QString& workFolderPath);

// Writes the copy through the project-file writer, its pictures hard links to the
// prepared bitmaps, and replaces the earlier copy in one step, as a save does.
// Returns the files that could not be written.
QStringList writeRecoveryCopy(RecoverySnapshot& snapshot, const WorkFolder& workFolder);
void removeRecoveryCopy(const QString& workFolderPath);

// Nothing when the folder holds no copy that reads as a project. A left folder
// is data, never trusted: its copy is read only where it is a regular file of
// the folder's own, never through a link and never blocking.
std::optional<RecoveryDescription> describeRecoveryCopy(const QString& workFolderPath);

// Points every pane whose source picture lies in `pictureFolder` at a hard link of
// it in the work folder, so that a recovered project no longer needs the folder it
// came from. False, with the pane's picture named, when a link cannot be made.
bool adoptPictures(ProjectRecord& project, const QString& pictureFolder,
                   const WorkFolder& workFolder, QString* failed);

// A work folder whose editor has gone, holding a recovery copy. Its lock is held
// while this lives, so that no other editor offers the same work at once.
class LeftWork {
public:
    // Every such folder in `container` that no editor holds, newest copy first.
    static std::vector<std::unique_ptr<LeftWork>> claimAll(const QString& container);
    ~LeftWork();
    LeftWork(const LeftWork&) = delete;
    LeftWork& operator=(const LeftWork&) = delete;

    QString folder() const { return m_folder; }
    const RecoveryDescription& description() const { return m_description; }
    QString projectFile() const { return recoveryProjectFile(m_folder); }
    // Deletes the folder with the copy, then the container if nothing else is left in it.
    void discard();

private:
    LeftWork(QString folder, RecoveryDescription description, std::unique_ptr<QLockFile> lock);

    QString m_folder;
    RecoveryDescription m_description;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace editor
