#include "sentences/ui/formgeometry.h"

#include "platform/numbers.h"

#include <QWidget>

namespace sentences {
namespace {

constexpr double TwipsPerPixel = 15.0;

int pixels(int twips) {
    return platform::roundHalfEven(twips / TwipsPerPixel);
}

} // namespace

QRect twipsRect(int left, int top, int width, int height) {
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

void centreOver(QWidget& window, const QWidget& owner) {
    const QRect area = owner.frameGeometry();
    const QSize size = window.frameGeometry().size();
    window.move(area.center().x() - size.width() / 2, area.center().y() - size.height() / 2);
}

} // namespace sentences
