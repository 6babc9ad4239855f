#include "platform/fittofont.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <vector>

namespace platform {
namespace {

// Ratios above this are measuring noise, not a cut caption.
constexpr double kSlack = 1.001;
constexpr double kLargestGrowth = 4.0;
constexpr int kAttempts = 12;
// A font's line height holds room above and below its letters: this much of it
// may go without cutting any letter.
constexpr int kSpareLineHeight = 2;

double ratio(int needed, int available) {
    return available > 0 ? double(needed) / available : (needed > 0 ? kLargestGrowth : 1.0);
}

int textWidth(const QWidget& widget, const QString& text) {
    return widget.fontMetrics().size(Qt::TextShowMnemonic, text).width();
}

// How much wider or taller `widget` must be for its caption to show whole.
double growthFor(const QWidget& widget) {
    const int textHeight = widget.fontMetrics().height() - kSpareLineHeight;
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->text().isEmpty())
            return 1.0;
        if (label->wordWrap())
            return ratio(label->heightForWidth(label->width()) - kSpareLineHeight, label->height());
        return std::max(ratio(widget.fontMetrics().size(0, label->text()).width(),
                              label->contentsRect().width()),
                        ratio(textHeight, label->height()));
    }
    const QStyle* style = widget.style();
    if (qobject_cast<const QCheckBox*>(&widget) || qobject_cast<const QRadioButton*>(&widget)) {
        const auto& button = static_cast<const QAbstractButton&>(widget);
        const int indicator = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &widget) +
                              style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &widget);
        return std::max(ratio(indicator + textWidth(widget, button.text()), widget.width()),
                        ratio(textHeight, widget.height()));
    }
    const int frame = 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &widget);
    if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
        if (button->text().isEmpty())
            return 1.0;
        // The frame, and a pixel of room either side of the text.
        return std::max(
            ratio(textWidth(widget, button->text()) + std::max(frame, 4), widget.width()),
            ratio(textHeight + frame, widget.height()));
    }
    if (qobject_cast<const QComboBox*>(&widget) || qobject_cast<const QLineEdit*>(&widget) ||
        qobject_cast<const QAbstractSpinBox*>(&widget))
        return ratio(textHeight + frame, widget.height());
    if (const auto* box = qobject_cast<const QGroupBox*>(&widget)) {
        if (box->title().isEmpty())
            return 1.0;
        // The title must fit across the frame and above the first control in it.
        double growth = ratio(textWidth(widget, box->title()) + 2 * textHeight, box->width());
        const int titleBottom = textHeight;
        for (const QObject* child : box->children())
            if (const auto* control = qobject_cast<const QWidget*>(child))
                if (!control->isWindow())
                    growth = std::max(growth, ratio(titleBottom, control->y()));
        return growth;
    }
    return 1.0;
}

bool placedByLayout(const QWidget& widget) {
    const QWidget* parent = widget.parentWidget();
    return parent && parent->layout() && parent->layout()->indexOf(&widget) >= 0;
}

bool hasFixedSize(const QWidget& widget) {
    return widget.minimumSize() == widget.maximumSize();
}

int scaled(int value, double factor) {
    return int(std::lround(value * factor));
}

struct Place {
    QWidget* widget;
    QRect geometry;
    bool fixed;
    bool byLayout;
};

void place(const Place& p, double factor) {
    const QSize size(scaled(p.geometry.width(), factor), scaled(p.geometry.height(), factor));
    if (p.fixed)
        p.widget->setFixedSize(size);
    if (!p.byLayout)
        p.widget->setGeometry(scaled(p.geometry.x(), factor), scaled(p.geometry.y(), factor),
                              size.width(), size.height());
}

} // namespace

void growToFitFont(QWidget& form) {
    std::vector<Place> places;
    form.ensurePolished();
    places.push_back({&form, QRect(QPoint(), form.size()), hasFixedSize(form), true});
    for (QWidget* widget : form.findChildren<QWidget*>()) {
        if (widget->isWindow())
            continue;
        widget->ensurePolished();
        places.push_back(
            {widget, widget->geometry(), hasFixedSize(*widget), placedByLayout(*widget)});
    }
    const auto largestGrowth = [&places] {
        double growth = 1.0;
        for (const Place& p : places)
            if (!p.widget->isHidden() || p.widget == places.front().widget)
                growth = std::max(growth, growthFor(*p.widget));
        return growth;
    };
    double factor = 1.0;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const double growth = largestGrowth();
        if (growth <= kSlack || factor >= kLargestGrowth)
            break;
        // Margins that do not grow make the first estimate a little short.
        factor = std::min(kLargestGrowth, factor * std::max(growth, 1.02));
        for (const Place& p : places)
            place(p, factor);
    }
}

} // namespace platform
