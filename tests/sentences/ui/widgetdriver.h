#pragma once

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QTest>

// Drives the sentence generator's windows the way a person does.
namespace widgetdriver {

// Triggers the named menu command; false when it is missing or disabled.
inline bool trigger(QWidget& window, const char* name) {
    QAction* action = window.findChild<QAction*>(QLatin1String(name));
    if (!action || !action->isEnabled())
        return false;
    action->trigger();
    return true;
}

inline bool isEnabled(QWidget& window, const char* name) {
    const QAction* action = window.findChild<QAction*>(QLatin1String(name));
    return action && action->isEnabled();
}

// Opens the chooser's list and clicks the entry at `position`.
inline bool choose(QComboBox* combo, int position) {
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    if (!QTest::qWaitFor([view] { return view->isVisible(); }))
        return false;
    const QModelIndex index = view->model()->index(position, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    return QTest::qWaitFor([view] { return !view->isVisible(); }) &&
           combo->currentIndex() == position;
}

// Types text a character at a time, any character, as a keyboard would.
inline void type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

inline void clickLine(QListWidget* list, int row, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(list->viewport(), button, {}, list->visualItemRect(list->item(row)).center());
}

inline QStringList lines(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

} // namespace widgetdriver
