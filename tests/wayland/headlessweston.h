#pragma once

#include <QSize>
#include <QString>

#include <sys/types.h>

// Weston with its headless back end and its desktop shell (panel included),
// listening on a socket in a runtime folder of its own. The compositor ends with
// this object, and with the test process if that dies first.
class HeadlessWeston {
public:
    HeadlessWeston(QSize output, int scale);
    ~HeadlessWeston();
    HeadlessWeston(const HeadlessWeston&) = delete;
    HeadlessWeston& operator=(const HeadlessWeston&) = delete;

    // Empty once the compositor listens; otherwise what went wrong.
    QString error() const { return m_error; }
    // Points Qt's Wayland platform at this compositor.
    void exportToEnvironment() const;

private:
    QString m_runtimeFolder;
    QString m_socket;
    QString m_error;
    pid_t m_pid = -1;
};
