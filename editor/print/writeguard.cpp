#include "editor/print/writeguard.h"

#include <QCoreApplication>

namespace editor {

WriteGuard::WriteGuard(QIODevice& target) : m_target(target) {
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 WriteGuard::readData(char*, qint64) {
    return -1;
}

qint64 WriteGuard::writeData(const char* data, qint64 size) {
    if (m_failed)
        return -1;
    const qint64 written = m_target.write(data, size);
    if (written == size)
        return written;
    m_failed = true;
    m_failure = m_target.errorString();
    // Qt's own answer when the device knows no reason, in English or translated.
    if (m_failure.isEmpty() || m_failure == QLatin1String("Unknown error") ||
        m_failure == QCoreApplication::translate("QIODevice", "Unknown error"))
        m_failure = QCoreApplication::translate("PdfExport", "The disk may be full.");
    setErrorString(m_failure);
    return -1;
}

} // namespace editor
