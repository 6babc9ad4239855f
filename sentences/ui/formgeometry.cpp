#include "sentences/ui/formgeometry.h"

#include <QLayout>
#include <QWidget>

namespace sentences {

void centreOver(QWidget& window, const QWidget& owner) {
    // A window not shown yet has not been sized by its layout, and knows nothing
    // of its frame: size it first, and take the owner's frame as its own.
    window.ensurePolished();
    if (QLayout* layout = window.layout())
        layout->activate();
    QSize size = window.frameGeometry().size();
    if (size == window.size())
        size += owner.frameGeometry().size() - owner.size();
    const QRect area = owner.frameGeometry();
    window.move(area.center().x() - size.width() / 2, area.center().y() - size.height() / 2);
}

} // namespace sentences
