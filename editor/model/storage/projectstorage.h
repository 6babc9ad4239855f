#pragma once

#include "editor/model/storage/picturefolder.h"
#include "editor/model/storage/projectfile.h"

#include <QStringList>

#include <functional>
#include <optional>

namespace editor {

class WorkFolder;

// The points a save passes, in order; a crash at any of them leaves one whole
// project, the earlier save or the new one.
enum class SaveStep {
    // The new picture folder is complete beside the current one, holding the new
    // project file as its commit record.
    FolderBuilt,
    // All of it is on the disk.
    FolderDurable,
    // The new picture folder has taken the current one's place; the project file
    // is still the earlier one (an open completes the save from the record).
    FoldersExchanged,
    // The record has become the project file; the earlier folder is still beside it.
    ProjectFileCommitted,
};

// Saves the project: builds the new picture folder beside the current one with
// the new project file inside it, forces both to the disk with one sync,
// exchanges the two folders in one step and then moves the project file into
// place, then removes the earlier folder. When the pictures cannot be written
// the picture folder and the project file stay as they were. Returns the files
// (or the folder) that could not be written. `reached` is told of each step;
// `otherSources` and `kept` are stagePictureFolder()'s. `unflushed` is set when
// the new version has replaced the earlier one but the disk did not confirm
// that it holds the change.
QStringList saveProject(ProjectRecord& project, const ProjectPaths& paths, int paneTotal,
                        int boardCount, const WorkFolder& workFolder,
                        PictureCopies copies = PictureCopies::CopyChanged,
                        const std::function<void(SaveStep)>& reached = {},
                        const QSet<QString>& otherSources = {},
                        QHash<QString, QString>* kept = nullptr, bool* unflushed = nullptr);

// The lock file beside the project ("Trip.vv1" has ".Trip.vv1.lock") that one
// save of it holds at a time, across editors: a save waits for another
// editor's, and an open leaves the folders of a save under way alone.
QString saveLockFile(const ProjectPaths& paths);

// Finishes a save that was cut off after its picture folder took the place of
// the earlier one: the commit record inside it, once it reads as a project
// file, becomes the project file, and what the save left beside the picture
// folder goes (what a user kept in it besides files goes back into it). True
// when there was such a save.
bool completeInterruptedSave(const ProjectPaths& paths);

// Reads and checks a project file, after completing a save of it that was cut
// off (completeInterruptedSave); nothing, with the reason in `refusal`, when it
// cannot be read or is no project this editor can hold. Files far larger than
// any project are refused unread.
std::optional<ProjectFileValues> loadProjectFile(const QString& fileName, QString* refusal);

// Prepares the bitmaps of every pane entry that has a picture, on all cores.
// A pane whose picture is missing or unreadable is left blank. `progress` is
// called on this thread with the panes done so far and their number. Returns how
// many pictures could not be read; `unreadable` gets the first of them that is
// there all the same (a damaged or oversized file), with the reason.
int prepareProjectPictures(ProjectRecord& project, int paneSize, const WorkFolder& workFolder,
                           const std::function<void(int done, int total)>& progress = {},
                           QString* unreadable = nullptr);

// Prepares again, from its source, the bitmap of every pane up to `paneTotal`
// that names a picture but whose prepared bitmap is gone (deleted from the work
// folder behind the editor's back), so that a save writes its picture. Returns
// the panes whose source cannot be read either, in pane order: they are left
// without a prepared bitmap, as the board shows them.
QList<int> prepareVanishedBitmaps(ProjectRecord& project, int paneTotal, int paneSize,
                                  const WorkFolder& workFolder);

} // namespace editor
