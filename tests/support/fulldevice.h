#pragma once

#include <QIODevice>

#include <algorithm>

namespace testsupport {

// An output that takes `capacity` bytes and then refuses everything, like a disk
// that fills up during a save.
class FullDevice final : public QIODevice {
public:
    explicit FullDevice(qint64 capacity) : m_capacity(capacity) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 length) override {
        if (m_capacity <= 0)
            return -1;
        const qint64 taken = std::min(length, m_capacity);
        m_capacity -= taken;
        return taken;
    }

private:
    qint64 m_capacity;
};

} // namespace testsupport
