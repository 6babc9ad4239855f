#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <functional>

namespace testsupport {

// Answers the next modal dialog once it shows: queue it before the action that
// opens the dialog. A dialog the answer leaves open (a failed check returns
// early) is closed, so a failing test cannot hang. Deleting the returned timer
// withdraws an answer that was never needed.
inline QPointer<QTimer> answerModal(QObject* owner, std::function<void(QDialog*)> answer) {
    auto* timer = new QTimer(owner);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, owner, [timer, answer = std::move(answer)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        answer(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    timer->start();
    return timer;
}

} // namespace testsupport
