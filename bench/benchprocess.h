#pragma once

// What the benchmarks measure about a process: its peak resident memory, and
// the output of a part of the benchmark run again as a child process of its own,
// so that each measured part starts from a fresh peak.

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStringList>

#include <optional>

namespace bench {

// The peak resident memory of this process so far, in MiB.
inline double peakResidentMiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

// Runs this benchmark again with `arguments`, through `wrapper` (such as strace)
// when one is given; what it printed on its standard output, nothing when it failed.
inline std::optional<QByteArray> runChild(const QStringList& arguments,
                                          const QStringList& wrapper = {}) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const QString self = QCoreApplication::applicationFilePath();
    if (wrapper.isEmpty())
        child.start(self, arguments);
    else
        child.start(wrapper.first(), wrapper.mid(1) + QStringList{self} + arguments);
    if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0)
        return std::nullopt;
    return child.readAllStandardOutput();
}

} // namespace bench
