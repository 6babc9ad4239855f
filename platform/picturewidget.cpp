#include "platform/picturewidget.h"

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
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
    Q_EMIT mousePressed(event->button(), event->modifiers(), event->position().toPoint());
}

void PictureWidget::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT mouseMoved(event->buttons(), event->modifiers(), event->position().toPoint());
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
    Q_EMIT mouseReleased(event->button(), event->modifiers(), event->position().toPoint());
}

} // namespace platform
