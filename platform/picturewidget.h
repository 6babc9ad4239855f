#pragma once

#include "platform/picturesurface.h"

#include <QWidget>

namespace platform {

// A window's picture surface on screen: shows the surface's image at the top left
// and reports the mouse in its own pixels.
class PictureWidget : public QWidget {
    Q_OBJECT
public:
    explicit PictureWidget(QWidget* parent = nullptr);

    PictureSurface& surface() { return m_surface; }
    const PictureSurface& surface() const { return m_surface; }

    // Sizes the widget and its surface together, the surface at the device
    // pixels of the screen the widget is on.
    void setSurfaceSize(QSize size);

Q_SIGNALS:
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint position);
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    PictureSurface m_surface;
};

} // namespace platform
