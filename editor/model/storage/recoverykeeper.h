#pragma once

#include "editor/model/storage/recoverycopy.h"

#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <functional>
#include <optional>

class QUndoStack;

namespace editor {

class WorkFolder;

// Keeps the recovery copy of a changed project in the work folder: a short
// moment after each change the project's values are taken on this thread and
// written on a worker of its own, one write after the other; when the history
// comes back to the point of the last save or open the copy goes.
class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr int kDelayMs = 2000;

    // `snapshot` gives nothing while the project is in the middle of a change
    // (an open or an import still at work); the copy is then taken a moment later.
    using Snapshot = std::function<std::optional<RecoverySnapshot>()>;
    RecoveryKeeper(QUndoStack& history, Snapshot snapshot, const WorkFolder& workFolder,
                   QObject* parent = nullptr);
    // Waits for the write under way.
    ~RecoveryKeeper() override;
    RecoveryKeeper(const RecoveryKeeper&) = delete;
    RecoveryKeeper& operator=(const RecoveryKeeper&) = delete;

    // Takes the values now and has them written on the worker.
    void writeSoon();
    // Writes the copy of a changed project before returning, after any write
    // under way: the editor is ending. False when there was nothing to keep or
    // it could not be written.
    bool writeNow();
    // Lets the writes under way finish and starts no more.
    void stop();

Q_SIGNALS:
    // A write finished (on the worker's behalf, on this thread).
    void written(const QStringList& unwritten);

private:
    void historyMoved();
    void historyClean(bool clean);

    QUndoStack& m_history;
    Snapshot m_snapshot;
    const WorkFolder& m_workFolder;
    QTimer m_delay;
    QThreadPool m_worker;
    bool m_stopped = false;
};

} // namespace editor
