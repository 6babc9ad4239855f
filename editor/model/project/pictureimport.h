#pragma once

#include "editor/model/project/projectrecord.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace editor {

class PictureSequence;
class WorkFolder;

// Points `pane` at the picture file `fileName`, unmirrored and named after the
// file, and prepares its bitmap at `size`. When the picture cannot be read or
// its bitmap written, the pane stays exactly as it was and `error` says why.
bool loadPicture(ProjectRecord& project, int pane, const QString& fileName, int size,
                 const WorkFolder& folder, QString* error);

struct SequenceImport {
    // Panes filled, from the first pane on.
    int filled = 0;
    // True when pane 1000 was filled: the import ran out of panes, not of pictures.
    bool reachedLastPane = false;
    // When a member that is there could not be read or prepared: the file and why.
    QString failure;
};

// Called on the importing thread as panes are filled: panes done and panes to do.
using ProgressReport = std::function<void(int done, int total)>;

// Fills panes from `firstPane` on with the members of `sequence`, from its start
// number up, until a member is missing or cannot be read, or pane 1000 is filled.
// The pane where it stops keeps everything it held. Bitmaps are prepared on all
// cores and the panes filled strictly in order; meanwhile events other than user
// input are handled, so windows keep painting.
SequenceImport importPictureSequence(ProjectRecord& project, const PictureSequence& sequence,
                                     int firstPane, int size, const WorkFolder& folder,
                                     const ProgressReport& progress = {});

// The files in the natural order of their names, as a file manager lists them:
// numbers compared as numbers (Img9 before Img10), case ignored.
QStringList naturalOrder(QStringList files);

// Fills panes from `firstPane` on with one file each, in the order given, up to
// pane 1000 (files past it are not taken). A file that cannot be read as a
// picture leaves its pane exactly as it was and the others still go in; the
// bitmaps are prepared and the panes filled as importPictureSequence() does.
// Returns the files left out, in order.
QStringList importDroppedPictures(ProjectRecord& project, const QStringList& files, int firstPane,
                                  int size, const WorkFolder& folder,
                                  const ProgressReport& progress = {});

// The title of everything the import shows the user.
QString importTitle();

// What the import tells the user when it stopped short of pane 1000 after
// filling `filled` panes; a failure that stopped it is named after the count.
QString importReport(int filled, const QString& failure = {});

} // namespace editor
