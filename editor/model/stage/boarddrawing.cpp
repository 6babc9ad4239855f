#include "editor/model/stage/boarddrawing.h"

#include "platform/picturesurface.h"

namespace editor {

QImage loadBlankPattern() {
    return QImage(QStringLiteral(":/editor/blankpane.bmp")).convertToFormat(QImage::Format_RGB32);
}

void DrawBoard(ProjectRecord& project, int boardIndex, int paneSize, int gridSize,
               platform::PictureSurface& stage, platform::PictureSurface& cleanCopy,
               const BoardStyle& style) {
    const int count = gridSize * gridSize;
    const int base = boardIndex * count;
    QImage bitmap;
    for (int slot = 1; slot <= count; ++slot) {
        const int pane = base + slot;
        const int x = ((slot - 1) % gridSize) * paneSize;
        const int y = ((slot - 1) / gridSize) * paneSize;
        if (pane >= 1 && pane <= kLastPane) {
            PaneRecord& record = project.Panes[pane];
            if (record.hasWorkPicture()) {
                bitmap = platform::readPicture(record.WorkPicture, nullptr);
                if (bitmap.isNull())
                    record.WorkPicture = kNoPicture;
            }
            if (record.hasWorkPicture()) {
                // Prepared at the stage's device pixels: copied one to one.
                bitmap.setDevicePixelRatio(stage.devicePixelRatio());
                stage.copyBlock(bitmap, QRect(0, 0, paneSize, paneSize), QPoint(x, y));
            } else {
                stage.stretchDraw(style.blankPattern, x, y, paneSize, paneSize,
                                  platform::PictureSurface::Stretch::Plain);
            }
            // White with a black shadow; the leading blank stands where a sign would.
            const QString number = QLatin1Char(' ') + QString::number(pane);
            stage.drawBoldText(QPoint(x, y), number, Qt::black, style.numberFont);
            stage.drawBoldText(QPoint(x + 1, y - 1), number, Qt::white, style.numberFont);
        }
        project.Panes[slot].StagePos = QPoint(x, y);
    }
    stage.makePersistent();
    cleanCopy.setPicture(stage.image());
}

} // namespace editor
