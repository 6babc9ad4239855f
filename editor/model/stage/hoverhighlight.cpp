#include "editor/model/stage/hoverhighlight.h"

#include "editor/model/project/panerecord.h"
#include "editor/model/stage/stagehittest.h"
#include "platform/picturesurface.h"

#include <QFontMetrics>

namespace editor {
namespace {

constexpr int kPenWidth = 2;
// Room for the pen's width and a bold glyph's overhang around what is drawn.
constexpr int kMargin = 3;
const QPoint kLabelOffset(40, 12);

} // namespace

QRect HoverHighlight::draw(platform::PictureSurface& stage, const QImage& cleanCopy, QPoint corner,
                           int paneSize, const QString& label, QColor colour, const QFont& font) {
    const QRect restored = m_covered.intersected(platform::logicalRect(cleanCopy));
    if (!restored.isEmpty())
        stage.copyBlock(cleanCopy, restored, restored.topLeft());

    const int x0 = corner.x(), y0 = corner.y(), p = paneSize;
    QRect covered(x0, y0, std::max(p, 37) + 1, std::max(p, 25) + 1);
    if (label != kUnsetText) {
        const QString text = shortenedLabel(label, paneSize);
        const QPoint at = corner + kLabelOffset;
        stage.drawBoldText(at, text, colour, font);
        QFont bold = font;
        bold.setBold(true);
        const QFontMetrics metrics(bold);
        const QRect drawn =
            metrics.boundingRect(text).translated(at.x(), at.y() + metrics.ascent()) |
            QRect(at, QSize(metrics.horizontalAdvance(text), metrics.height()));
        // The cut by characters assumes a narrower font: what runs past the
        // frame's right edge is put back, so a label never spills over the
        // neighbouring pane or under the side bar.
        const QRect beyond =
            drawn.adjusted(-kMargin, -kMargin, kMargin, kMargin)
                .intersected(QRect(QPoint(x0 + p - kPenWidth - 1, drawn.top() - kMargin),
                                   QPoint(drawn.right() + kMargin, drawn.bottom() + kMargin)))
                .intersected(platform::logicalRect(cleanCopy));
        if (!beyond.isEmpty())
            stage.copyBlock(cleanCopy, beyond, beyond.topLeft());
        covered |= drawn.intersected(QRect(x0, y0, p, p));
    }
    stage.setPen(kPenWidth, colour);
    stage.drawLine({x0 + 36, y0 + 2}, {x0 + p - 2, y0 + 2});
    stage.drawLine({x0 + 2, y0 + p - 2}, {x0 + p - 2, y0 + p - 2});
    stage.drawLine({x0 + 2, y0 + 24}, {x0 + 2, y0 + p - 2});
    stage.drawLine({x0 + p - 2, y0 + 2}, {x0 + p - 2, y0 + p - 2});
    stage.drawLine({x0, y0 + 24}, {x0 + 36, y0 + 24});
    stage.drawLine({x0 + 36, y0}, {x0 + 36, y0 + 24});
    covered.adjust(-kMargin, -kMargin, kMargin, kMargin);
    const QRect changed = covered | m_covered;
    m_covered = covered;
    return changed;
}

} // namespace editor
