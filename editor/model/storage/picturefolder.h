#pragma once

#include "editor/model/project/projectrecord.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

namespace editor {

class WorkFolder;

// The names a chosen project file gives: C:/Work/Trip.vv1 has the folder
// "C:/Work/", the name "Trip" and the picture folder "C:/Work/Trip_Data".
struct ProjectPaths {
    QString FileName;
    // Ends in a path separator.
    QString Folder;
    // The file title less its last four characters; empty for a title of four or fewer.
    QString Name;

    QString pictureFolder() const { return Folder + Name + QStringLiteral("_Data"); }
};

ProjectPaths projectPaths(const QString& fileName);

// "Image01-0012.bmp": the file in the picture folder that holds pane 12's picture.
QString pictureFileName(const QString& pictureName, int pane);

// How a pane's prepared bitmap gets into a new picture folder.
enum class PictureCopies {
    // Written as a file of its own, unless the folder it replaces already holds
    // the same bytes under that name, which are then linked: the user's files
    // never share a file with the editor's scratch bitmaps.
    CopyChanged,
    // Hard-linked, never copied (for copies inside the work folder itself);
    // written only where a link cannot be made. Of the folder replaced, only
    // the pictures of panes left out pass on.
    LinkBitmaps,
};

struct StagedPictureFolder {
    // The new folder, hidden beside the picture folder; empty when none was made.
    QString path;
    // The files that could not be written, in pane order; the folder itself when
    // it cannot be created.
    QStringList unwritten;
    // Writing the new folder failed (a full disk, a failing device): it has been
    // removed, and the picture folder and the project file must stay as they are.
    bool abandoned = false;
    // What the picture folder holds besides files (folders, links), to be moved
    // into the new folder once it has taken the picture folder's place.
    QStringList others;
};

// Builds the picture folder a save puts in place of `pictureFolder`, complete,
// beside it: every entry 1 to 1000 that has a prepared bitmap, on all cores, and
// every other file of the current picture folder (the project does not name it,
// or it is the picture of a pane whose bitmap cannot be read) hard-linked. A
// picture that a pane still reads as its source (after an open) and that gets
// other bytes is first kept in the work folder and the pane pointed at the kept
// copy, since the current folder goes once the new one is in place. A pane whose
// prepared bitmap cannot be read is left out and named; the others are saved.
// `otherSources` (what the undo history can bring back) are kept the same way;
// `kept` gets every source kept, mapped to its kept copy.
StagedPictureFolder stagePictureFolder(ProjectRecord& project, const QString& pictureFolder,
                                       const WorkFolder& workFolder, PictureCopies copies,
                                       const QSet<QString>& otherSources = {},
                                       QHash<QString, QString>* kept = nullptr);

// The start of the names of the folders a save of `pictureFolder` builds beside
// it: short, whatever the length of the project's name, and its own to each
// picture folder.
QString stagingPrefix(const QString& pictureFolder);

// Removes a folder a save left beside its picture folder: its files, then the
// folder when nothing else is in it. Anything else a user put there stays.
void removeStagedFolder(const QString& folder);

} // namespace editor
