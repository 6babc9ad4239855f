#include "platform/picturewidget.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace platform {

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureWidget::setSurfaceSize(QSize size) {
    m_surface.resize(size, devicePixelRatioF());
    resize(size);
    update();
}

void PictureWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), m_surface.background());
    // The image carries its device pixel ratio: on a screen of the same ratio
    // every device pixel lands on a physical one.
    painter.setClipRect(event->rect());
    painter.drawImage(QPoint(0, 0), m_surface.image());
    if (hasFocus() && !m_focusFrame.isEmpty()) {
        // White under black dashes shows on any picture.
        painter.setPen(QPen(Qt::white, 2));
        painter.drawPolygon(m_focusFrame);
        QPen dashes(Qt::black, 2, Qt::DashLine);
        painter.setPen(dashes);
        painter.drawPolygon(m_focusFrame);
    }
}

void PictureWidget::setFocusFrame(const QPolygon& outline) {
    if (outline == m_focusFrame)
        return;
    updateFocusFrame();
    m_focusFrame = outline;
    updateFocusFrame();
}

void PictureWidget::updateFocusFrame() {
    if (!m_focusFrame.isEmpty())
        update(m_focusFrame.boundingRect().adjusted(-2, -2, 2, 2));
}

void PictureWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    updateFocusFrame();
}

void PictureWidget::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    updateFocusFrame();
}

void PictureWidget::keyPressEvent(QKeyEvent* event) {
    Q_EMIT keyPressed(event->key(), event->modifiers());
}

void PictureWidget::contextMenuEvent(QContextMenuEvent* event) {
    // The Menu key came as a key press already; the pop-up it asked for is open.
    if (event->reason() == QContextMenuEvent::Keyboard)
        event->accept();
    else
        QWidget::contextMenuEvent(event);
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
    if (focusPolicy() & Qt::TabFocus)
        setFocus(Qt::MouseFocusReason);
    Q_EMIT mousePressed(event->button(), event->modifiers(), event->position().toPoint());
}

void PictureWidget::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT mouseMoved(event->buttons(), event->modifiers(), event->position().toPoint());
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
    Q_EMIT mouseReleased(event->button(), event->modifiers(), event->position().toPoint());
}

} // namespace platform
