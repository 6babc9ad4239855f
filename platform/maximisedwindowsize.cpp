#include "platform/maximisedwindowsize.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace platform {

MaximisedWindowSize::MaximisedWindowSize(QWidget* window, Desktop desktop, QObject* parent)
    : QObject(parent), m_window(window), m_desktop(desktop) {
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
// widget's own resize handling already finds the new work area. Only the desktop
// sends a window-state event to the native window, and it does so once the new
// state's size is in place.
bool MaximisedWindowSize::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window) {
        if (event->type() == QEvent::Show || event->type() == QEvent::WinIdChange)
            watchNativeWindow();
    } else if (watched == m_native) {
        switch (event->type()) {
        case QEvent::WindowStateChange:
            if (event->spontaneous())
                m_maximisedByDesktop = m_native->windowStates() & Qt::WindowMaximized;
            take();
            break;
        case QEvent::Expose:
        case QEvent::Resize:
            take();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void MaximisedWindowSize::take() {
    if (!m_native->isExposed())
        return;
    if (m_desktop == Desktop::Stacking &&
        !(m_maximisedByDesktop && m_native->windowStates() & Qt::WindowMaximized))
        return;
    const QSize size = m_native->size();
    if (size == m_size || size.isEmpty())
        return;
    m_size = size;
    Q_EMIT changed();
}

} // namespace platform
