#include "sentences/ui/definitionlistbox.h"

#include <QMouseEvent>

namespace sentences {

DefinitionListBox::DefinitionListBox(QWidget* parent) : QListWidget(parent) {
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void DefinitionListBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        QListWidget::mousePressEvent(event);
    Q_EMIT mouseDown(event->button(), event->globalPosition().toPoint());
}

} // namespace sentences
