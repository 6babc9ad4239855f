#pragma once

#include <QImage>
#include <QString>

namespace editor {

// A file manager's picture of a project file: board 1 drawn as the stage shows
// it, from the pictures of the project's own picture folder, `size` pixels a side
// at most. File managers run this on any file named *.vv1, downloaded ones
// included, so the file is read as hostile: a file the open refuses gives no
// picture; pictures are taken only as plain files directly in the picture folder
// (never through a link, nor the folder itself a link), only of a bounded size
// and pixel count, and only while the time allowed lasts; every pane without a
// picture so taken shows blank. Null, with the reason in `refusal`, when the
// project file is refused.
QImage drawProjectThumbnail(const QString& projectFile, int size, QString* refusal);

// Draws the thumbnail and writes it as a PNG file, whole or not at all.
bool writeProjectThumbnail(const QString& projectFile, const QString& pngFile, int size,
                           QString* error);

} // namespace editor
