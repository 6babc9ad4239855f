#pragma once

#include "editor/model/project/panerecord.h"
#include "editor/model/project/projectrecord.h"
#include "editor/print/paperoptions.h"

#include <QImage>

namespace editor {

// The dots per inch a picture on paper never exceeds.
inline constexpr int kPaperPictureDpi = 300;

// A pane's picture for paper, at most `box` in size: read from its source picture
// while that is still the file the prepared bitmap was made from and decodes
// whole, shrunk while decoding and mirrored as the pane is, otherwise from its
// prepared bitmap (mirrored already). With `keepProportions` the source keeps its
// own shape inside the box, otherwise it fills the box. Null for a blank pane or
// when neither can be read. A picture smaller than the box is not enlarged. Safe
// to run for several panes at once.
QImage paperPicture(const PaneRecord& pane, QSize box, bool keepProportions);

// The shape (width over height) the printed pictures' cells take: the commonest
// among the chosen boards' pictures when they keep their proportions, otherwise
// 1, the stage's square.
qreal paperCellAspect(const ProjectRecord& project, const PaperOptions& options);

} // namespace editor
