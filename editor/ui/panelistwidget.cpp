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

void PaneListWidget::mouseReleaseEvent(QMouseEvent* event) {
    // A press on an entry already selected leaves its selection to the release,
    // which would select the pressed entry again after the press moved on.
    QListWidgetItem* const selected = selectedItems().value(0);
    QListWidget::mouseReleaseEvent(event);
    if (selectedItems().value(0) == selected)
        return;
    if (selected)
        setCurrentItem(selected);
    else
        clearSelection();
}

} // namespace editor
