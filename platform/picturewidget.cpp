#include "platform/picturewidget.h"

#include <QMouseEvent>
#include <QPainter>

namespace platform {

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureWidget::setSurfaceSize(QSize size) {
    m_surface.resize(size);
    resize(size);
    update();
}

void PictureWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), m_surface.background());
    painter.drawImage(event->rect().topLeft(), m_surface.image(), event->rect());
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
