#pragma once

#include "editor/animatic/animaticoptions.h"
#include "editor/animatic/animatictimeline.h"
#include "editor/model/project/panerecord.h"

#include <QImage>
#include <QRect>

namespace editor {

// Where the picture goes in a frame of `frameSize`: the whole frame, or the part
// above the caption band when captions show.
QRect animaticPictureArea(QSize frameSize, const AnimaticOptions& options);

// A pane's picture as the frame shows it, decoded and scaled once: from its
// source picture where that can still be read, mirrored as the pane is,
// otherwise from its prepared bitmap. Null for a blank pane or when neither can
// be read. Safe to run for several panes at once.
QImage animaticPicture(const PaneRecord& pane, QSize frameSize, const AnimaticOptions& options);

// One shot's frame: black, the picture (from `animaticPicture`) centred in its
// area, the caption in a box under it, or a card's text in the middle.
QImage drawAnimaticFrame(const AnimaticShot& shot, const QImage& picture, QSize frameSize,
                         const AnimaticOptions& options);

} // namespace editor
