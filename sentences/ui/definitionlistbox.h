#pragma once

#include <QListWidget>

namespace sentences {

// A list box that reports every mouse button going down on it, after a left
// press has moved the selection. Other buttons leave the selection alone.
class DefinitionListBox : public QListWidget {
    Q_OBJECT
public:
    explicit DefinitionListBox(QWidget* parent = nullptr);

Q_SIGNALS:
    void mouseDown(Qt::MouseButton button, QPoint globalPosition);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace sentences
