#pragma once

#include <QRect>

class QWidget;

namespace sentences {

// A rectangle given in twips (1/1440 inch), in pixels at 96 DPI.
QRect twipsRect(int left, int top, int width, int height);

// Moves a window so that it is centred over another.
void centreOver(QWidget& window, const QWidget& owner);

} // namespace sentences
