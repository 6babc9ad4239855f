#include "editor/model/project/paneswap.h"

namespace editor {
namespace {

bool isPane(int pane) {
    return pane >= 1 && pane <= kLastPane;
}

void copyStoredFields(const PaneRecord& from, PaneRecord& to) {
    to.WorkPicture = from.WorkPicture;
    to.SourcePicture = from.SourcePicture;
    to.Stamp = from.Stamp;
    to.PictureName = from.PictureName;
    to.FlipH = from.FlipH;
    to.FlipV = from.FlipV;
    to.Text = from.Text;
    to.Label = from.Label;
    to.URL = from.URL;
}

} // namespace

void SwapPanes(ProjectRecord& project, int first, int second) {
    if (!isPane(first) || !isPane(second))
        return;
    PaneRecord& scratch = project.Panes[0];
    copyStoredFields(project.Panes[first], scratch);
    copyStoredFields(project.Panes[second], project.Panes[first]);
    copyStoredFields(scratch, project.Panes[second]);
}

} // namespace editor
