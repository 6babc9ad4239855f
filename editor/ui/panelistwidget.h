#pragma once

#include <QListWidget>

namespace editor {

// The pane list: reports every mouse press with its button. A left press first
// selects the pressed entry as a list does; any other button leaves the
// selection alone, as it opens the list's pop-up menu instead. A release never
// changes the selection: what the press led to (perhaps another board, with its
// first pane selected) stays selected.
class PaneListWidget : public QListWidget {
    Q_OBJECT
public:
    explicit PaneListWidget(QWidget* parent = nullptr);

Q_SIGNALS:
    void mousePressed(Qt::MouseButton button, QPoint globalPosition);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace editor
