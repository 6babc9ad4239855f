#pragma once

class QWidget;

namespace sentences {

// Moves a window so that it is centred over another.
void centreOver(QWidget& window, const QWidget& owner);

} // namespace sentences
