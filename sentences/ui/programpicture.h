#pragma once

#include <QPixmap>

namespace sentences {

// The program's picture: window icon and the about box's image.
QPixmap programPicture();

} // namespace sentences
