#include "sentences/ui/programpicture.h"

#include <QPainter>

namespace sentences {

QPixmap programPicture() {
    QPixmap picture(32, 32);
    picture.fill(QColor(0x1f, 0x4e, 0x79));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf2, 0xc1, 0x4e));
    // Three lines of text on a page.
    painter.drawRoundedRect(QRectF(5, 7, 22, 4), 2, 2);
    painter.drawRoundedRect(QRectF(5, 14, 16, 4), 2, 2);
    painter.drawRoundedRect(QRectF(5, 21, 19, 4), 2, 2);
    return picture;
}

} // namespace sentences
