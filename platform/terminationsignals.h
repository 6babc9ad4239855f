#pragma once

#include <QObject>

#include <csignal>

class QSocketNotifier;

namespace platform {

// Turns the signals that ask a program to end (SIGTERM when the desktop session
// ends, SIGHUP when its terminal closes, SIGINT for Ctrl+C) into a Qt signal on
// the thread that made it, so the program ends through its event loop and cleans
// up as it does when the user quits. The handler only writes the signal number to
// a pipe; everything else happens once the event loop reads it. One instance at a
// time; the earlier handlers come back when it goes.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // Whether a signal has been taken in and reported since this was made.
    bool hasReceived() const { return m_received; }

Q_SIGNALS:
    void received(int signalNumber);

private:
    void readPipe();

    int m_pipe[2] = {-1, -1};
    QSocketNotifier* m_notifier = nullptr;
    bool m_received = false;
    struct sigaction m_previous[3] = {};
};

} // namespace platform
