#pragma once

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QStringList>
#include <QWidget>

namespace testsupport {

// What a screen reader says of every control under `root` that takes the
// keyboard focus: "objectName: name". A control without a name of its own, or
// with one borrowed from a heading ("Structure :"), shows as "objectName: ?".
inline QStringList controlNames(const QWidget* root) {
    QStringList names;
    for (const QWidget* widget : root->findChildren<QWidget*>()) {
        if (widget->focusPolicy() == Qt::NoFocus || !widget->isVisibleTo(root))
            continue;
        // A spin box speaks for the line edit inside it.
        if (qobject_cast<const QAbstractSpinBox*>(widget->parentWidget()))
            continue;
        QAccessibleInterface* control =
            QAccessible::queryAccessibleInterface(const_cast<QWidget*>(widget));
        // Qt reads a combo box's current entry out as its name on Linux and
        // takes what it is for from its accessible name.
        QString name = qobject_cast<const QComboBox*>(widget) ? widget->accessibleName()
                       : control ? control->text(QAccessible::Name).trimmed()
                                 : QString();
        if (name.isEmpty() || name.endsWith(QLatin1Char(':')))
            name = QStringLiteral("?");
        names << widget->objectName() + QStringLiteral(": ") + name;
    }
    return names;
}

inline QStringList unnamedControls(const QWidget* root) {
    QStringList unnamed;
    for (const QString& control : controlNames(root))
        if (control.endsWith(QLatin1String(": ?")))
            unnamed << control;
    return unnamed;
}

} // namespace testsupport
