#include "sentences/ui/formgeometry.h"

#include <QWidget>

namespace sentences {
void centreOver(QWidget& window, const QWidget& owner) {
    const QRect area = owner.frameGeometry();
    const QSize size = window.frameGeometry().size();
    window.move(area.center().x() - size.width() / 2, area.center().y() - size.height() / 2);
}

} // namespace sentences
