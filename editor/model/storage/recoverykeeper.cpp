#include "editor/model/storage/recoverykeeper.h"

#include "editor/model/storage/workfolder.h"

#include <QMetaObject>
#include <QPointer>
#include <QUndoStack>

namespace editor {

RecoveryKeeper::RecoveryKeeper(QUndoStack& history, Snapshot snapshot, const WorkFolder& workFolder,
                               QObject* parent)
    : QObject(parent), m_history(history), m_snapshot(std::move(snapshot)),
      m_workFolder(workFolder) {
    // One worker: writes and removals happen in the order they were asked for.
    m_worker.setMaxThreadCount(1);
    m_delay.setSingleShot(true);
    m_delay.setInterval(kDelayMs);
    connect(&m_delay, &QTimer::timeout, this, &RecoveryKeeper::writeSoon);
    connect(&m_history, &QUndoStack::indexChanged, this, &RecoveryKeeper::historyMoved);
    connect(&m_history, &QUndoStack::cleanChanged, this, &RecoveryKeeper::historyClean);
}

RecoveryKeeper::~RecoveryKeeper() {
    stop();
}

void RecoveryKeeper::historyMoved() {
    // Counted from the first change not yet kept, not put off by each further
    // one: a user who changes something every second still has a copy.
    if (!m_stopped && !m_delay.isActive())
        m_delay.start();
}

void RecoveryKeeper::historyClean(bool clean) {
    if (!clean || m_stopped)
        return;
    m_delay.stop();
    const QString folder = m_workFolder.path();
    m_worker.start([folder] { removeRecoveryCopy(folder); });
}

void RecoveryKeeper::writeSoon() {
    if (m_stopped || m_history.isClean())
        return;
    std::optional<RecoverySnapshot> taken = m_snapshot();
    if (!taken) {
        m_delay.start();
        return;
    }
    m_worker.start([this, snapshot = std::move(*taken)]() mutable {
        const QStringList unwritten = writeRecoveryCopy(snapshot, m_workFolder);
        QMetaObject::invokeMethod(this, [this, unwritten] { Q_EMIT written(unwritten); });
    });
}

bool RecoveryKeeper::writeNow() {
    m_delay.stop();
    m_worker.waitForDone();
    if (m_stopped || m_history.isClean())
        return false;
    std::optional<RecoverySnapshot> snapshot = m_snapshot();
    return snapshot && writeRecoveryCopy(*snapshot, m_workFolder).isEmpty();
}

void RecoveryKeeper::stop() {
    m_stopped = true;
    m_delay.stop();
    m_worker.waitForDone();
}

} // namespace editor
