#pragma once

#include "editor/model/projectrecord.h"

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

struct PictureFolderWrite {
    // The files that could not be written, in pane order; the folder itself when
    // it cannot be created or what was written into it not made durable.
    QStringList unwritten;
    // Writing into the folder failed part-way (a full disk, a failing device):
    // no picture in it was replaced, and the project file must stay as it is
    // too, or it would show the earlier save's pictures.
    bool abandoned = false;
};

// Copies the prepared bitmap of every entry 1 to 1000 that has one into
// `pictureFolder` (created when missing). The copies are written on all cores
// under temporary names, forced to the disk together and only then renamed into
// place, so every file in the folder is whole and a save that fails part-way
// replaces nothing. A picture that the copies would overwrite while a pane still
// reads it as its source (after an open, pictures move between panes) is first
// kept in the work folder and the pane pointed at the kept copy. A pane whose
// prepared bitmap cannot be read is left out and named; the others are saved.
// `otherSources` (what the undo history can bring back) are kept the same way;
// `kept` gets every source kept, mapped to its kept copy.
PictureFolderWrite writePictureFolder(ProjectRecord& project, const QString& pictureFolder,
                                      const WorkFolder& workFolder,
                                      const QSet<QString>& otherSources = {},
                                      QHash<QString, QString>* kept = nullptr);

} // namespace editor
