#include "platform/terminationsignals.h"

#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <iterator>
#include <unistd.h>

namespace platform {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The one value a signal handler may reach: the pipe's writing end.
std::atomic<int> g_writeEnd{-1};

extern "C" void writeSignalNumber(int signalNumber) {
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    // A full pipe already holds a request to end; nothing is lost by dropping this one.
    [[maybe_unused]] const ssize_t written = ::write(g_writeEnd.load(), &byte, 1);
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    Q_ASSERT(g_writeEnd.load() < 0);
    if (::pipe2(m_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    g_writeEnd.store(m_pipe[1]);
    m_notifier = new QSocketNotifier(m_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPipe);
    struct sigaction action = {};
    action.sa_handler = writeSignalNumber;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < std::size(kSignals); ++i)
        ::sigaction(kSignals[i], &action, &m_previous[i]);
}

TerminationSignals::~TerminationSignals() {
    if (m_pipe[0] < 0)
        return;
    for (size_t i = 0; i < std::size(kSignals); ++i)
        ::sigaction(kSignals[i], &m_previous[i], nullptr);
    g_writeEnd.store(-1);
    ::close(m_pipe[0]);
    ::close(m_pipe[1]);
}

void TerminationSignals::readPipe() {
    unsigned char byte = 0;
    while (::read(m_pipe[0], &byte, 1) == 1) {
        m_received = true;
        Q_EMIT received(byte);
    }
}

} // namespace platform
