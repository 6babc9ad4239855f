#include "editor/print/fittedtext.h"

#include <QFontMetricsF>
#include <QTextBoundaryFinder>
#include <QTextLayout>

#include <algorithm>

namespace editor {
namespace {

const QString kEllipsis = QStringLiteral("\u2026");

// Ends within `text` where it may be cut: before each blank, or failing that
// after each character a reader sees as one.
QList<qsizetype> cutPoints(const QString& text) {
    QList<qsizetype> points;
    for (qsizetype i = 1; i < text.size(); ++i)
        if (text.at(i) == QLatin1Char(' ') && text.at(i - 1) != QLatin1Char(' '))
            points.append(i);
    if (!points.isEmpty())
        return points;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype at = graphemes.toNextBoundary(); at > 0; at = graphemes.toNextBoundary())
        points.append(at);
    return points;
}

// The longest cut of `rest` that fits `width` with "…" after it (widths grow
// with the length, so a binary search finds it).
QString cutWithEllipsis(const QString& rest, const QFontMetricsF& metrics, qreal width) {
    const QList<qsizetype> points = cutPoints(rest);
    const auto fits = [&](qsizetype end) {
        return metrics.horizontalAdvance(rest.left(end).trimmed() + kEllipsis) <= width;
    };
    const auto first = std::partition_point(points.begin(), points.end(), fits);
    if (first == points.begin())
        return kEllipsis;
    return rest.left(*(first - 1)).trimmed() + kEllipsis;
}

QString blanksForControls(const QString& text) {
    QString flat = text;
    for (QChar& c : flat)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    return flat;
}

} // namespace

QStringList fitText(const QString& text, const QFont& font, const QPaintDevice* device, qreal width,
                    int maxLines) {
    if (maxLines <= 0 || width <= 0 || text.isEmpty())
        return {};
    const QFontMetricsF metrics(font, device);
    // No line holds more characters than half-dots fit across it.
    const qreal narrowest = std::max<qreal>(0.5, metrics.horizontalAdvance(QLatin1Char('.')) / 2);
    const qsizetype bound = maxLines * (static_cast<qsizetype>(width / narrowest) + 2);
    QString shown = blanksForControls(text.left(bound));
    bool cut = text.size() > bound;
    if (cut && !shown.isEmpty() && shown.back().isHighSurrogate())
        shown.chop(1);

    QTextLayout layout(shown, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    QStringList lines;
    int lastStart = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        if (lines.size() == maxLines) {
            cut = true;
            break;
        }
        line.setLineWidth(width);
        lastStart = line.textStart();
        lines.append(shown.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    if (cut && !lines.isEmpty())
        lines.last() = cutWithEllipsis(shown.mid(lastStart), metrics, width);
    return lines;
}

} // namespace editor
