#pragma once

#include "editor/model/project/projectrecord.h"

#include <QImage>
#include <QList>
#include <QSet>
#include <QString>

#include <functional>

namespace editor {

class WorkFolder;

// A fresh prepared-bitmap file name for `pane`: Name-NNNN.BMP in the work folder,
// with "-2", "-3" ... added while another entry of the pane table uses that name
// (panes swap and shuffle their pictures, so a pane may hold a file named for
// another), so that preparing one pane never writes over another's bitmap.
// Names in `reserved` and names the folder holds for the undo history count as
// taken too.
QString newWorkPictureName(const ProjectRecord& project, int pane, const WorkFolder& folder,
                           const QSet<QString>& reserved = {});

// The source picture stretched to size x size (proportions not kept) and
// mirrored as the flags say.
QImage renderPaneImage(const QImage& source, int size, bool flipH, bool flipV);

// Reads `source`, renders it as renderPaneImage() does and writes the bitmap file
// `target`; safe to run for several panes at once. Empty on success, otherwise
// which file failed and why.
QString writePaneImage(const QString& source, int size, bool flipH, bool flipV,
                       const QString& target);

// Renders the pane's source picture into its prepared bitmap. With `newFile`
// the bitmap gets a fresh name, recorded in WorkPicture; otherwise the file
// WorkPicture names is rewritten, and a pane without one is left alone. On
// failure nothing of the pane changes and `error` says which file failed.
bool PreparePaneImage(ProjectRecord& project, int pane, int size, bool newFile,
                      const WorkFolder& folder, QString* error);

// The panes 1 to 1000 whose source picture was replaced on disk since their
// bitmap was made from it (one that went, as on a drive unplugged, is not
// counted); they keep that bitmap.
QList<int> panesWithChangedSources(const ProjectRecord& project);

struct PaneImageFailure {
    int pane = 0;
    QString error;
};

// PreparePaneImage with a new file for each listed pane that has a source
// picture: the bitmaps are named in pane order, then rendered on all cores.
// `progress` is called on this thread with the panes done so far and their
// number. A pane that fails keeps its former WorkPicture; the failures come back
// in pane order.
QList<PaneImageFailure>
prepareNewPaneImages(ProjectRecord& project, const QList<int>& panes, int size,
                     const WorkFolder& folder,
                     const std::function<void(int done, int total)>& progress = {});

// Rewrites every prepared bitmap of panes 1 to 1000 at `size` on all cores,
// from its source picture or, where that cannot be read, from the bitmap itself;
// returns the failures in pane order.
QList<PaneImageFailure> rewriteAllPaneImages(const ProjectRecord& project, int size);

// Rewrites in place, on all cores, the prepared bitmaps of the listed panes
// that are not `size` pixels a side: bitmaps an undo brings back were made
// before the stage last changed its size. Returns the failures in pane order.
QList<PaneImageFailure> fitPaneImages(const ProjectRecord& project, const QList<int>& panes,
                                      int size);

} // namespace editor
