#pragma once

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <memory>

namespace testsupport {

// What a file manager puts in a drag of local files.
inline std::unique_ptr<QMimeData> fileDrag(const QStringList& files) {
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString& file : files)
        urls << QUrl::fromLocalFile(file);
    data->setUrls(urls);
    return data;
}

// Drags `data` onto `widget` at `at` (its own coordinates) as the desktop
// delivers a drag: enter, move, and the drop only where the move was taken, as
// the copy a file manager offers first. True when the drop was taken as a copy.
inline bool dragAndDrop(QWidget* widget, QPoint at, const QMimeData* data) {
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    QDragEnterEvent enter(at, offered, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &enter);
    if (!enter.isAccepted())
        return false;
    QDragMoveEvent move(at, offered, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
    if (!move.isAccepted()) {
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(widget, &leave);
        return false;
    }
    QDropEvent drop(at, offered, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &drop);
    return drop.isAccepted() && drop.dropAction() == Qt::CopyAction;
}

} // namespace testsupport
