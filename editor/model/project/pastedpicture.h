#pragma once

#include <QImage>
#include <QString>

namespace editor {

class WorkFolder;

// Keeps a picture that has no file behind it (pasted, or dragged from a
// browser as data) as a lossless PNG in the work folder, so that it can be a
// pane's source like any file: saving, the exports, undo and the recovery copy
// all find it there. The file is named "Pasted1.png", "Pasted2.png" ..., the
// first free number, so the pane is named "Pasted1" ... Returns the file, or
// nothing with `error` saying why it could not be written.
QString keepPastedPicture(const QImage& picture, const WorkFolder& folder, QString* error);

} // namespace editor
