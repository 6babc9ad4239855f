#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QStyle>
#include <QWidget>

namespace testsupport {

// A line's height holds room above and below its letters: two pixels of it may go.
inline constexpr int kSpareLineHeight = 2;

// Every caption of `form` that does not show whole, one line each.
inline QStringList cutCaptions(const QWidget& form) {
    QStringList cut;
    for (const QWidget* widget : form.findChildren<QWidget*>()) {
        // Qt's own parts (the menu bar's overflow button) place themselves.
        // Dialogs of the form are forms of their own.
        if (widget->isWindow() || widget->window() != form.window() || widget->isHidden() ||
            widget->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QString name = form.objectName() + QLatin1Char('/') + widget->objectName();
        const QFontMetrics metrics = widget->fontMetrics();
        const int lineHeight = metrics.height() - kSpareLineHeight;
        const QWidget* parent = widget->parentWidget();
        if (!parent->isWindow() && !parent->rect().contains(widget->geometry()))
            cut << name + QStringLiteral(": outside its frame");
        const auto tooNarrow = [&](const QString& text, int room) {
            if (metrics.size(Qt::TextShowMnemonic, text).width() > room)
                cut << name + QStringLiteral(": \"%1\" wider than %2").arg(text).arg(room);
            if (lineHeight > widget->height())
                cut << name + QStringLiteral(": \"%1\" taller than %2")
                                  .arg(text)
                                  .arg(widget->height());
        };
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            if (label->text().isEmpty())
                continue;
            if (label->wordWrap()) {
                if (label->heightForWidth(label->width()) - kSpareLineHeight > label->height())
                    cut << name + QStringLiteral(": wrapped text taller than the label");
            } else {
                tooNarrow(label->text(), label->contentsRect().width());
            }
        } else if (const auto* check = qobject_cast<const QCheckBox*>(widget)) {
            const QStyle* style = check->style();
            tooNarrow(check->text(), check->width() -
                                         style->pixelMetric(QStyle::PM_IndicatorWidth) -
                                         style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing));
        } else if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
            tooNarrow(button->text(), button->width() - 4);
        } else if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
            tooNarrow(box->title(), box->width());
            for (const QWidget* inside : box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (inside->y() < lineHeight)
                    cut << name + QStringLiteral(": title over ") + inside->objectName();
        }
    }
    return cut;
}

} // namespace testsupport
