#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>

class QWidget;
class QWindow;

namespace platform {

// The size the desktop gives a window while it is maximised, less the frame Qt
// draws itself (on Wayland Qt draws the title bar where the compositor does not).
// Only what the desktop configured counts: sizes from before the window is first
// shown on screen, and sizes while the desktop does not hold it maximised (a
// maximise asked for but not yet granted included), are passed over. On a tiling
// desktop, which places and sizes every window itself, each size it gives the
// shown window counts, maximised or not.
class MaximisedWindowSize : public QObject {
    Q_OBJECT
public:
    enum class Desktop { Stacking, Tiling };

    MaximisedWindowSize(QWidget* window, Desktop desktop, QObject* parent = nullptr);

    bool known() const { return m_size.isValid(); }
    QSize size() const { return m_size; }

Q_SIGNALS:
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchNativeWindow();
    void take();

    QPointer<QWidget> m_window;
    QPointer<QWindow> m_native;
    const Desktop m_desktop;
    // The state the desktop last reported: QWindow::windowStates() says what was
    // asked for as soon as it is asked.
    bool m_maximisedByDesktop = false;
    QSize m_size;
};

} // namespace platform
