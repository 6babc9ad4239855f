#include "platform/filedrops.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace platform {
namespace {

class FileDragRelay : public QObject {
public:
    FileDragRelay(QWidget* widget, QWidget* window,
                  std::function<bool(const QStringList&)> windowTakes)
        : QObject(widget), m_widget(widget), m_window(window),
          m_windowTakes(std::move(windowTakes)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_widget)
            return false;
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return relay(*static_cast<QDropEvent*>(event));
        case QEvent::DragLeave: {
            if (!m_relaying)
                return false;
            m_relaying = false;
            QDragLeaveEvent leave;
            static_cast<QObject*>(m_window)->event(&leave);
            return true;
        }
        default:
            return false;
        }
    }

private:
    bool relay(QDropEvent& drag) {
        const QStringList files = droppedLocalFiles(drag);
        if (files.isEmpty() || !m_windowTakes(files)) {
            m_relaying = false;
            return false;
        }
        const QPointF at = m_widget->mapTo(m_window, drag.position());
        // Straight to the window's handlers: sent through the application, a drag
        // event goes to the widget under its position, which is this one again.
        const auto send = [&](QDropEvent&& forwarded) {
            static_cast<QObject*>(m_window)->event(&forwarded);
            drag.setDropAction(forwarded.dropAction());
            drag.setAccepted(forwarded.isAccepted());
        };
        switch (drag.type()) {
        case QEvent::DragEnter:
            send(QDragEnterEvent(at.toPoint(), drag.possibleActions(), drag.mimeData(),
                                 drag.buttons(), drag.modifiers()));
            break;
        case QEvent::DragMove:
            send(QDragMoveEvent(at.toPoint(), drag.possibleActions(), drag.mimeData(),
                                drag.buttons(), drag.modifiers()));
            break;
        default:
            send(QDropEvent(at, drag.possibleActions(), drag.mimeData(), drag.buttons(),
                            drag.modifiers()));
            break;
        }
        m_relaying = drag.type() != QEvent::Drop;
        return true;
    }

    QWidget* m_widget;
    QWidget* m_window;
    std::function<bool(const QStringList&)> m_windowTakes;
    bool m_relaying = false;
};

} // namespace

QStringList droppedLocalFiles(const QDropEvent& event) {
    const QMimeData* data = event.mimeData();
    if (!data || !data->hasUrls())
        return {};
    QStringList files;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            return {};
        files << url.toLocalFile();
    }
    return files;
}

bool acceptAsCopy(QDropEvent& event) {
    if (!(event.possibleActions() & Qt::CopyAction)) {
        event.ignore();
        return false;
    }
    event.setDropAction(Qt::CopyAction);
    event.accept();
    return true;
}

void relayFileDrags(QWidget* widget, QWidget* window,
                    std::function<bool(const QStringList& files)> windowTakes) {
    widget->installEventFilter(new FileDragRelay(widget, window, std::move(windowTakes)));
}

} // namespace platform
