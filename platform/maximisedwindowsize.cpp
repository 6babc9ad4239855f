#include "platform/maximisedwindowsize.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace platform {

MaximisedWindowSize::MaximisedWindowSize(QWidget* window, QObject* parent)
    : QObject(parent), m_window(window) {
    window->installEventFilter(this);
    watchNativeWindow();
}

// The widget gets its native window when it is first shown.
void MaximisedWindowSize::watchNativeWindow() {
    QWindow* native = m_window ? m_window->windowHandle() : nullptr;
    if (!native || native == m_native)
        return;
    m_native = native;
    native->installEventFilter(this);
}

// The native window hears of a new size before the widget does, so that the
// widget's own resize handling already finds the new work area.
bool MaximisedWindowSize::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window) {
        if (event->type() == QEvent::Show || event->type() == QEvent::WinIdChange)
            watchNativeWindow();
    } else if (watched == m_native) {
        switch (event->type()) {
        case QEvent::Expose:
        case QEvent::Resize:
        case QEvent::WindowStateChange:
            take();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void MaximisedWindowSize::take() {
    if (!m_native->isExposed() || !(m_native->windowStates() & Qt::WindowMaximized))
        return;
    const QSize size = m_native->size();
    if (size == m_size || size.isEmpty())
        return;
    m_size = size;
    Q_EMIT changed();
}

} // namespace platform
