#pragma once

#include <QStringList>

namespace sentences {

// The words every list starts with, in entry order, for a word type 0 to 6;
// empty for any other type.
QStringList defaultWords(int type);

} // namespace sentences
