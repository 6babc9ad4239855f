#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

namespace platform {
class PictureSurface;
}

namespace editor {

// The frame and label drawn around the pane under the pointer. The frame runs
// 2 pixels inside the slot and steps around the 36 x 24 box where the pane
// number stands; the label follows that box and ends at the frame's right
// edge, never beyond its pane. Each drawing first puts back, from
// the clean board copy, only the part of the stage the previous one covered:
// a hover then costs one pane's pixels instead of a whole stage's, which keeps
// up with the pointer on large screens.
class HoverHighlight {
public:
    // Highlights the slot with its top-left corner at `corner` and writes the
    // shortened label, none for an unset one. Returns the part of the stage
    // that changed.
    QRect draw(platform::PictureSurface& stage, const QImage& cleanCopy, QPoint corner,
               int paneSize, const QString& label, QColor colour, const QFont& font);

private:
    QRect m_covered;
};

} // namespace editor
