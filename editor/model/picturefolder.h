#pragma once

#include "editor/model/projectrecord.h"

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

// Copies the prepared bitmap of every entry 1 to 1000 that has one into
// `pictureFolder` (created when missing), each through a temporary file, on all
// cores. A picture that the copies would overwrite while a pane still reads it as
// its source (after an open, pictures move between panes) is first kept in the
// work folder and the pane pointed at the kept copy. Returns the files that could
// not be written, in pane order; the folder alone when it cannot be created.
QStringList writePictureFolder(ProjectRecord& project, const QString& pictureFolder,
                               const WorkFolder& workFolder);

} // namespace editor
