#include "editor/model/stage/dragline.h"

#include "platform/picturesurface.h"

namespace editor {

QRect DragLine::show(platform::PictureSurface& stage, QPoint from, QPoint to, QColor colour) {
    QRect changed = hide(stage);
    m_from = from;
    m_to = to;
    m_colour = colour;
    m_visible = true;
    stage.drawXorLine(m_from, m_to, m_colour);
    return changed | bounds();
}

QRect DragLine::hide(platform::PictureSurface& stage) {
    if (!m_visible)
        return {};
    stage.drawXorLine(m_from, m_to, m_colour);
    m_visible = false;
    return bounds();
}

QRect DragLine::bounds() const {
    return QRect(m_from, m_to).normalized().adjusted(-2, -2, 2, 2);
}

} // namespace editor
