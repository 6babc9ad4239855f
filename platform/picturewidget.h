#pragma once

#include "platform/picturesurface.h"

#include <QPolygon>
#include <QWidget>

namespace platform {

// A window's picture surface on screen: shows the surface's image at the top left
// and reports the mouse and the keys in its own pixels. It takes the keyboard
// focus from Tab and from a press on it once setFocusPolicy() allows Tab.
class PictureWidget : public QWidget {
    Q_OBJECT
public:
    explicit PictureWidget(QWidget* parent = nullptr);

    PictureSurface& surface() { return m_surface; }
    const PictureSurface& surface() const { return m_surface; }

    // Sizes the widget and its surface together, the surface at the device
    // pixels of the screen the widget is on.
    void setSurfaceSize(QSize size);
    // The outline drawn on screen over the image while the widget has the
    // keyboard focus, empty for none. It never reaches the surface.
    void setFocusFrame(const QPolygon& outline);
    QPolygon focusFrame() const { return m_focusFrame; }

Q_SIGNALS:
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint position);
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    // Every key but Tab, including the Menu key and Shift+F10.
    void keyPressed(int key, Qt::KeyboardModifiers modifiers);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void updateFocusFrame();

    PictureSurface m_surface;
    QPolygon m_focusFrame;
};

} // namespace platform
