#include "editor/ui/panelistwidget.h"

#include <QMouseEvent>

namespace editor {

PaneListWidget::PaneListWidget(QWidget* parent) : QListWidget(parent) {
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void PaneListWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        QListWidget::mousePressEvent(event);
    else
        event->accept();
    Q_EMIT mousePressed(event->button(), event->globalPosition().toPoint());
}

} // namespace editor
