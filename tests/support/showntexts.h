#pragma once

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QStringList>
#include <QTabWidget>
#include <QWidget>

namespace testsupport {

// Every text `form` shows or names for a user, one "where: text" line each: its
// title, captions, menu entries, list entries of choosers, tooltips, and the
// names and descriptions a screen reader speaks. What the user types (text
// boxes, lists of panes or words) is left out: it is theirs, not the program's.
inline QStringList shownTexts(const QWidget& form) {
    QStringList texts;
    const auto add = [&texts](const QObject& where, const QString& what, const QString& text) {
        if (!text.isEmpty())
            texts << QStringLiteral("%1 %2: %3").arg(where.objectName(), what, text);
    };
    add(form, QStringLiteral("title"), form.windowTitle());
    QList<const QWidget*> widgets{&form};
    for (const QWidget* widget : form.findChildren<QWidget*>())
        if (!widget->isWindow() || qobject_cast<const QMenu*>(widget))
            widgets << widget;
    for (const QWidget* widget : widgets) {
        add(*widget, QStringLiteral("tooltip"), widget->toolTip());
        add(*widget, QStringLiteral("name"), widget->accessibleName());
        add(*widget, QStringLiteral("description"), widget->accessibleDescription());
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            add(*widget, QStringLiteral("text"), label->text());
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            add(*widget, QStringLiteral("text"), button->text());
        else if (const auto* box = qobject_cast<const QGroupBox*>(widget))
            add(*widget, QStringLiteral("title"), box->title());
        else if (const auto* menu = qobject_cast<const QMenu*>(widget))
            add(*widget, QStringLiteral("title"), menu->title());
        else if (const auto* line = qobject_cast<const QLineEdit*>(widget))
            add(*widget, QStringLiteral("placeholder"), line->placeholderText());
        if (const auto* tabs = qobject_cast<const QTabWidget*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                add(*widget, QStringLiteral("tab %1").arg(i), tabs->tabText(i));
        if (const auto* combo = qobject_cast<const QComboBox*>(widget);
            combo && !combo->isEditable())
            for (int i = 0; i < combo->count(); ++i)
                add(*widget, QStringLiteral("entry %1").arg(i), combo->itemText(i));
        if (const auto* spin = qobject_cast<const QSpinBox*>(widget)) {
            add(*widget, QStringLiteral("suffix"), spin->suffix());
            add(*widget, QStringLiteral("prefix"), spin->prefix());
        } else if (const auto* spin = qobject_cast<const QDoubleSpinBox*>(widget)) {
            add(*widget, QStringLiteral("suffix"), spin->suffix());
            add(*widget, QStringLiteral("prefix"), spin->prefix());
        }
        if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(widget))
            add(*widget, QStringLiteral("special"), spin->specialValueText());
    }
    for (const QAction* action : form.findChildren<QAction*>()) {
        if (action->isSeparator())
            continue;
        add(*action, QStringLiteral("text"), action->text());
        if (action->toolTip() != QString(action->text()).remove(QLatin1Char('&')))
            add(*action, QStringLiteral("tooltip"), action->toolTip());
    }
    return texts;
}

} // namespace testsupport
