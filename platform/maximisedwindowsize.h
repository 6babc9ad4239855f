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
// shown on screen, and sizes while it is not maximised, are passed over.
class MaximisedWindowSize : public QObject {
    Q_OBJECT
public:
    MaximisedWindowSize(QWidget* window, QObject* parent = nullptr);

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
    QSize m_size;
};

} // namespace platform
