#pragma once

#include "editor/model/picturefolder.h"
#include "editor/model/projectfile.h"

#include <QStringList>

#include <functional>
#include <optional>

namespace editor {

class WorkFolder;

// Saves the project: the picture folder first, then the project file, written
// through a temporary file so that a failed save leaves the previous file whole.
// When the pictures cannot be written into the folder the project file is left
// as it was. Returns the files (or the folder) that could not be written.
// `otherSources` and `kept` are writePictureFolder()'s.
QStringList saveProject(ProjectRecord& project, const ProjectPaths& paths, int paneTotal,
                        int boardCount, const WorkFolder& workFolder,
                        const QSet<QString>& otherSources = {},
                        QHash<QString, QString>* kept = nullptr);

// Reads and checks a project file; nothing, with the reason in `refusal`, when it
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

} // namespace editor
