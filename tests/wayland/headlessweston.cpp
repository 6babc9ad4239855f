#include "headlessweston.h"

#include <QDir>
#include <QFile>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <thread>
#include <vector>

#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr auto kStartTimeout = std::chrono::seconds(60);
constexpr auto kStopTimeout = std::chrono::seconds(10);
constexpr auto kPoll = std::chrono::milliseconds(20);

} // namespace

HeadlessWeston::HeadlessWeston(QSize output, int scale) : m_socket(QStringLiteral("wayland-test")) {
    // Runs before QApplication exists, so no Qt event loop here: plain POSIX.
    QByteArray folder = QDir::temp().filePath(QStringLiteral("weston-XXXXXX")).toLocal8Bit();
    if (!mkdtemp(folder.data())) { // made with mode 0700, as Wayland wants it
        m_error = QStringLiteral("no runtime folder in %1").arg(QDir::tempPath());
        return;
    }
    m_runtimeFolder = QString::fromLocal8Bit(folder);

    // Weston and its shell clients find their runtime folder in the environment.
    qputenv("XDG_RUNTIME_DIR", folder);
    const QList<QByteArray> arguments = {
        "weston",
        "--backend=headless-backend.so",
        "--shell=desktop-shell.so",
        "--width=" + QByteArray::number(output.width()),
        "--height=" + QByteArray::number(output.height()),
        "--scale=" + QByteArray::number(scale),
        "--idle-time=0",
        "--socket=" + m_socket.toLocal8Bit(),
        "--log=" + folder + "/weston.log",
        // The protocol log tells when the shell is ready.
        "--logger-scopes=log,proto",
    };
    // Weston's shell clients outlive it for a moment; as their subreaper this
    // process collects them, where a container's first process may not.
    prctl(PR_SET_CHILD_SUBREAPER, 1);
    const pid_t parent = getpid();
    m_pid = fork();
    if (m_pid == 0) {
        // A test that dies without running destructors takes the compositor along.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent)
            _exit(127);
        std::vector<char*> argv;
        for (const QByteArray& argument : arguments)
            argv.push_back(const_cast<char*>(argument.constData()));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    if (m_pid < 0) {
        m_error = QStringLiteral("weston could not be started");
        return;
    }
    // A window mapped before the shell has drawn its panel and background gets
    // the whole output, and Weston 10 then stalls for a long while: wait for
    // the shell to say it is ready.
    const QString log = QDir(m_runtimeFolder).filePath(QStringLiteral("weston.log"));
    const auto shellReady = [&log] {
        QFile file(log);
        return file.open(QIODevice::ReadOnly) && file.readAll().contains(".desktop_ready()");
    };
    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    while (!shellReady()) {
        int status = 0;
        if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = -1;
            m_error = QStringLiteral("weston ended at start-up (is Debian's weston package "
                                     "installed?); see its log in %1")
                          .arg(m_runtimeFolder);
            return;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            m_error = QStringLiteral("weston's shell was not ready in time; see its log in %1")
                          .arg(m_runtimeFolder);
            return;
        }
        std::this_thread::sleep_for(kPoll);
    }
}

HeadlessWeston::~HeadlessWeston() {
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        const auto deadline = std::chrono::steady_clock::now() + kStopTimeout;
        while (waitpid(m_pid, nullptr, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                kill(m_pid, SIGKILL);
                waitpid(m_pid, nullptr, 0);
                break;
            }
            std::this_thread::sleep_for(kPoll);
        }
    }
    const auto deadline = std::chrono::steady_clock::now() + kStopTimeout;
    for (pid_t child = 0; child != -1 && std::chrono::steady_clock::now() < deadline;) {
        child = waitpid(-1, nullptr, WNOHANG);
        if (child == 0)
            std::this_thread::sleep_for(kPoll);
    }
    // A failed start keeps its log for whoever reads the error.
    if (!m_runtimeFolder.isEmpty() && m_error.isEmpty())
        QDir(m_runtimeFolder).removeRecursively();
}

void HeadlessWeston::exportToEnvironment() const {
    qputenv("WAYLAND_DISPLAY", m_socket.toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "wayland");
    qunsetenv("DISPLAY");
}
