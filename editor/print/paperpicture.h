#pragma once

#include "editor/model/project/panerecord.h"

#include <QImage>

namespace editor {

// The dots per inch a picture on paper never exceeds.
inline constexpr int kPaperPictureDpi = 300;
// The dots per inch of a picture in the print preview, which keeps all its pages.
inline constexpr int kPreviewPictureDpi = 96;

// A pane's picture for paper, square and at most `maxSide` pixels a side: read
// from its source picture while that is still the file the prepared bitmap was
// made from and decodes whole, shrunk while decoding and mirrored as the pane
// is, otherwise from its prepared bitmap (mirrored already). Null for a blank pane or when neither
// can be read. A picture smaller than `maxSide` is not enlarged. Safe to run for several panes at
// once.
QImage paperPicture(const PaneRecord& pane, int maxSide);

} // namespace editor
