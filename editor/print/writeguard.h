#pragma once

#include <QIODevice>

namespace editor {

// Passes every write on to `target` and remembers the first one that failed or
// fell short, which the writer before it (QPdfWriter) never reports. Once a
// write has failed, every later one fails too, so the file is never taken as whole.
class WriteGuard : public QIODevice {
public:
    explicit WriteGuard(QIODevice& target);

    bool failed() const { return m_failed; }
    // Why the first write failed ("" while none has).
    QString failure() const { return m_failure; }

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    QIODevice& m_target;
    bool m_failed = false;
    QString m_failure;
};

} // namespace editor
