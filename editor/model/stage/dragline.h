#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>

namespace platform {
class PictureSurface;
}

namespace editor {

// The line shown while a pane is dragged. It is drawn exclusive-or onto the
// stage, so drawing it a second time takes it away and leaves every pixel as it
// was, whatever the line crossed.
class DragLine {
public:
    bool isVisible() const { return m_visible; }
    // Shows the line between the two points, taking away the one shown before.
    // Returns the part of the stage that changed.
    QRect show(platform::PictureSurface& stage, QPoint from, QPoint to, QColor colour);
    QRect hide(platform::PictureSurface& stage);
    // The stage was drawn afresh, which took the line away with everything else:
    // nothing is left to take away, and the next show() draws the line anew.
    void forgetDrawing() { m_visible = false; }

private:
    QRect bounds() const;

    bool m_visible = false;
    QPoint m_from;
    QPoint m_to;
    QColor m_colour;
};

} // namespace editor
